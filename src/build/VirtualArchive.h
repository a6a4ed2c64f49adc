#pragma once
// The quest archive a build writes: a text directory of named files followed
// by the files' bytes, the flagged ones scrambled.
//
//   "Virtual Archive File~"  N "~"  then per file: name "~" flag "~" start "~" end "~"
//   then the data area: every file's bytes in directory order.
//
// Numbers are ASCII decimal; start and end count from the first byte of the
// data area. Files are only recorded by AddFile; Build copies them.
#include "build/ScrambleKey.h"
#include "common/TaggedList.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

class QFile;

class CArchiveFile {
public:
    virtual ~CArchiveFile() = default;
    uint8_t scramble = 0;
    QString sourcePath;  // logical
    QByteArray name;     // inside the archive
};

class CArchiveHeader {
public:
    virtual ~CArchiveHeader() = default;
    QByteArray name;
    int32_t start = 0;
    int32_t end = 0;
    uint8_t scramble = 0;
};

class CVirtualArchive {
public:
    enum Result {
        BuildOk = 0,
        TempNotCreated = 2,   // "tempQST" could not be created or written
        NoFiles = 3,
        SourceUnreadable = 4, // a recorded file could not be read
        ArchiveNotWritten = 5 // the archive itself could not be written
    };
    static constexpr int kMaxName = 63;

    // The archive's logical path, for instance "output\Forest.qst".
    explicit CVirtualArchive(const QString& archiveName);
    virtual ~CVirtualArchive();

    // Records a file (logical source path) under a name inside the archive.
    // False, logged, when the source cannot be opened or the name cannot be
    // stored (empty, longer than 63 bytes, or holding "~").
    bool AddFile(const QString& sourcePath, const QString& archiveName, int scramble);
    // Assembles the archive in "tempQST" and puts it in place; one of the
    // results above. The previous archive stays whole unless 0 is returned.
    int Build();

    const QString& ArchiveName() const { return m_archiveName; }
    const CTaggedList<CArchiveFile>& Files() const { return m_files; }
    const CTaggedList<CArchiveHeader>& Headers() const { return m_headers; }
    const ScrambleKey& Key() const { return m_key; }

    static bool IsUsableName(const QByteArray& name);

private:
    // Returned by AssembleWhole when a file's size changed while it was copied.
    static constexpr int kSizesChanged = -1;

    int AssembleWhole(const QString& tempPath);
    int PutInPlace(const QString& tempPath);
    int AssembleData(const QString& tempPath);
    int WriteArchive(const QString& tempPath, bool tempHoldsDirectory);
    // Appends one recorded file's bytes (scrambled when flagged) to the data
    // file; `copied` says how many. BuildOk, SourceUnreadable or TempNotCreated.
    int AppendSource(const CArchiveFile& file, QFile& temp, qint64& copied) const;
    // Records where a file's bytes lie in the data area.
    void AppendHeader(const CArchiveFile& file, qint64 start, qint64 size);

    QString m_archiveName;
    CTaggedList<CArchiveFile> m_files;
    CTaggedList<CArchiveHeader> m_headers;
    ScrambleKey m_key;
};

// The temporary data file in the base directory.
extern const char* const kArchiveTempPath;
// The archive's first 21 bytes.
inline constexpr char kArchiveMagic[] = "Virtual Archive File~";
