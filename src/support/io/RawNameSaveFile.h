#pragma once
// A whole file written under a name whose bytes are not UTF-8, which QSaveFile
// would write under another name: the bytes go to a temporary file beside it,
// which is synced and renamed over the target on Commit, so that a failure
// half-way leaves the old file whole. Only for Unix-like systems, where names
// are bytes.
#include <QFile>
#include <QString>

class CRawNameSaveFile {
public:
    ~CRawNameSaveFile();
    // Opens the temporary file beside the native path. False when it cannot be made.
    bool Open(const QString& nativePath);
    // Writes the bytes; false when not all were written.
    bool Write(const QByteArray& bytes);
    // Puts the file in place. False when that failed; the old file then stays.
    bool Commit();
    // Drops what was written.
    void Cancel();

private:
    QFile m_file;
    QByteArray m_target;
    QByteArray m_temp;
};
