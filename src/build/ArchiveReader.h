#pragma once
// Reads a quest archive back: the directory, every entry's bytes
// (unscrambled), and a check of the whole file. A damaged file gives one
// message naming what is wrong; nothing is sized from its numbers before they
// are checked against the file's length.
#include "build/ScrambleKey.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <vector>

struct ArchiveEntry {
    QByteArray name;
    int scramble = 0;
    int64_t start = 0;
    int64_t end = 0;
    int64_t Size() const { return end - start; }
};

class CArchiveReader {
public:
    explicit CArchiveReader(const ScrambleKey& key = kScrambleKey) : m_key(key) {}

    // Opens a file (native path) and reads its directory. False with Error();
    // the entries read before the damage then stay in Entries().
    bool Open(const QString& nativePath);
    // Checks that the offsets run on from 0 without gaps and that the data area
    // is exactly as long as the last end. False with Error().
    bool Verify();
    // Copies the bytes of entry `index`, unscrambled, to `out`. False with Error().
    bool ExtractTo(int index, QIODevice& out);
    // One entry's bytes in memory (for small entries and tests).
    bool Read(int index, QByteArray& bytes);

    const std::vector<ArchiveEntry>& Entries() const { return m_entries; }
    int64_t DataOffset() const { return m_dataOffset; }
    int64_t DataLength() const { return m_fileSize - m_dataOffset; }
    const QString& Error() const { return m_error; }

private:
    bool Fail(const QString& message);
    bool ReadField(QByteArray& field, int maxLength, const char* what, int index);
    bool ReadNumber(int64_t& value, const char* what, int index);
    bool InData(int index);

    ScrambleKey m_key;
    QFile m_file;
    std::vector<ArchiveEntry> m_entries;
    int64_t m_fileSize = 0;
    int64_t m_dataOffset = 0;
    QString m_error;
};
