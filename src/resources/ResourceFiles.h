#pragma once
// The managers' work on resource files: copying a chosen file into a resource
// folder, making a new file from a template, and appending entries to a tree
// list file.
#include <QFile>
#include <QString>

// Copies a chosen file (a native path) to a logical destination, replacing what
// is there, unless the chosen file is the destination itself. False when it
// could not be read or written; a failed write leaves the old file whole.
bool CopyIntoResources(const QString& chosen, const QString& destination);

// Whether the chosen file (a native path) would change what lies at the
// logical destination: it is another file, and the destination exists with
// other bytes.
bool WouldReplaceOther(const QString& chosen, const QString& destination);

// Writes a new file at a logical path holding the template's bytes (nothing
// when there is no template or it cannot be read). False when the file could
// not be written.
bool WriteFromTemplate(const QString& path, const QString& templatePath);

// Whether a sound's file name (with its extension) fits the 19 bytes that the
// quest's lists give it.
bool FitsSoundName(const QString& fileName);
constexpr int kSoundNameLength = 19;

// A tree list file opened for appending entries (two lines each). A file whose
// last line has no line end gets one first, so that the new lines stay lines.
class CTreeFileAppender {
public:
    bool Open(const QString& logicalPath);
    // Appends the path line and the name line, each cut to one line, and
    // flushes them to the file. False when writing failed.
    bool Append(const QString& pathLine, const QString& nameLine);

private:
    QFile m_file;
    bool m_needsLineEnd = false;
};

// Appends one entry to a tree list file. False when it cannot be opened or written.
bool AppendTreeEntry(const QString& logicalPath, const QString& pathLine, const QString& nameLine);
