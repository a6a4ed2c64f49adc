#include "build/ArchiveReader.h"

#include "build/VirtualArchive.h"
#include "support/io/NativeFile.h"
#include "support/io/TextCodec.h"

#include <limits>

namespace {

// The smallest directory record: a one-byte name and "~0~0~0~".
constexpr int64_t kSmallestRecord = 8;
constexpr int kMaxNumberDigits = 10;

QString Quoted(const QByteArray& name)
{
    return QLatin1Char('"') + DisplayBytes(name) + QLatin1Char('"');
}

} // namespace

bool CArchiveReader::Fail(const QString& message)
{
    m_error = message;
    return false;
}

bool CArchiveReader::ReadField(QByteArray& field, int maxLength, const char* what, int index)
{
    field.clear();
    char c = 0;
    while (m_file.getChar(&c)) {
        if (c == '~')
            return true;
        if (field.size() >= maxLength) {
            if (index < 0)
                return Fail(QStringLiteral("damaged archive: the %1 is longer than %2 characters")
                                .arg(QLatin1String(what))
                                .arg(maxLength));
            return Fail(QStringLiteral("damaged archive: entry %1: the %2 is longer than %3 characters")
                            .arg(index + 1)
                            .arg(QLatin1String(what))
                            .arg(maxLength));
        }
        field += c;
    }
    if (index < 0)
        return Fail(QStringLiteral("damaged archive: the file ends inside the %1").arg(QLatin1String(what)));
    return Fail(QStringLiteral("damaged archive: entry %1: the file ends inside the %2")
                    .arg(index + 1)
                    .arg(QLatin1String(what)));
}

bool CArchiveReader::ReadNumber(int64_t& value, const char* what, int index)
{
    QByteArray field;
    if (!ReadField(field, kMaxNumberDigits, what, index))
        return false;
    bool ok = false;
    const qlonglong number = field.toLongLong(&ok);
    // Only plain decimal digits, as the archive writes them.
    bool digits = !field.isEmpty();
    for (char c : field)
        digits = digits && c >= '0' && c <= '9';
    if (!ok || !digits || number < 0 || number > std::numeric_limits<int32_t>::max()) {
        const QString where = index < 0 ? QString() : QStringLiteral("entry %1: ").arg(index + 1);
        return Fail(QStringLiteral("damaged archive: %1the %2 \"%3\" is not a number from 0 to %4")
                        .arg(where, QLatin1String(what), QString::fromLatin1(field))
                        .arg(std::numeric_limits<int32_t>::max()));
    }
    value = number;
    return true;
}

bool CArchiveReader::Open(const QString& nativePath)
{
    m_entries.clear();
    m_error.clear();
    m_file.close();
    if (!OpenNativeFile(m_file, nativePath, QIODevice::ReadOnly))
        return Fail(QStringLiteral("cannot open %1: %2").arg(nativePath, m_file.errorString()));
    m_fileSize = m_file.size();
    const QByteArray magic = m_file.read(int(sizeof kArchiveMagic - 1));
    if (magic != QByteArray(kArchiveMagic))
        return Fail(QStringLiteral("not a quest archive: it does not begin with \"Virtual Archive File~\""));
    int64_t count = 0;
    if (!ReadNumber(count, "entry count", -1))
        return false;
    // Every record takes some bytes, so the count cannot exceed what is left.
    if (count > (m_fileSize - m_file.pos()) / kSmallestRecord)
        return Fail(QStringLiteral("damaged archive: the entry count %1 is larger than the file can hold").arg(count));
    for (int i = 0; i < int(count); ++i) {
        ArchiveEntry entry;
        if (!ReadField(entry.name, CVirtualArchive::kMaxName, "name", i))
            return false;
        if (entry.name.isEmpty())
            return Fail(QStringLiteral("damaged archive: entry %1 has an empty name").arg(i + 1));
        int64_t flag = 0;
        if (!ReadNumber(flag, "scramble flag", i) || !ReadNumber(entry.start, "start", i)
            || !ReadNumber(entry.end, "end", i))
            return false;
        if (flag > 1)
            return Fail(QStringLiteral("damaged archive: entry %1 (%2): the scramble flag is %3, not 0 or 1")
                            .arg(i + 1)
                            .arg(Quoted(entry.name))
                            .arg(flag));
        entry.scramble = int(flag);
        if (entry.end < entry.start)
            return Fail(QStringLiteral("damaged archive: entry %1 (%2) ends at %3, before its start %4")
                            .arg(i + 1)
                            .arg(Quoted(entry.name))
                            .arg(entry.end)
                            .arg(entry.start));
        m_entries.push_back(entry);
    }
    m_dataOffset = m_file.pos();
    return true;
}

bool CArchiveReader::Verify()
{
    int64_t expected = 0;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const ArchiveEntry& entry = m_entries[i];
        if (entry.start != expected)
            return Fail(QStringLiteral("damaged archive: entry %1 (%2) starts at %3, not at %4 where the previous "
                                       "one ends")
                            .arg(i + 1)
                            .arg(Quoted(entry.name))
                            .arg(entry.start)
                            .arg(expected));
        expected = entry.end;
    }
    if (DataLength() != expected)
        return Fail(QStringLiteral("damaged archive: the data area holds %1 bytes, the directory describes %2")
                        .arg(DataLength())
                        .arg(expected));
    return true;
}

bool CArchiveReader::InData(int index)
{
    if (index < 0 || index >= int(m_entries.size()))
        return Fail(QStringLiteral("no entry %1 in the archive").arg(index + 1));
    const ArchiveEntry& entry = m_entries[size_t(index)];
    if (entry.end > DataLength())
        return Fail(QStringLiteral("damaged archive: entry %1 (%2) ends at %3, beyond the data area of %4 bytes")
                        .arg(index + 1)
                        .arg(Quoted(entry.name))
                        .arg(entry.end)
                        .arg(DataLength()));
    return true;
}

bool CArchiveReader::ExtractTo(int index, QIODevice& out)
{
    if (!InData(index))
        return false;
    const ArchiveEntry& entry = m_entries[size_t(index)];
    if (!m_file.seek(m_dataOffset + entry.start))
        return Fail(QStringLiteral("cannot read %1").arg(m_file.fileName()));
    std::vector<char> buffer(1 << 20);
    int64_t left = entry.Size();
    while (left > 0) {
        const qint64 want = qMin<qint64>(left, qint64(buffer.size()));
        if (m_file.read(buffer.data(), want) != want)
            return Fail(QStringLiteral("cannot read %1").arg(m_file.fileName()));
        if (entry.scramble)
            Scramble(m_key, buffer.data(), size_t(want));
        if (out.write(buffer.data(), want) != want)
            return Fail(QStringLiteral("cannot write %1").arg(Quoted(entry.name)));
        left -= want;
    }
    return true;
}

bool CArchiveReader::Read(int index, QByteArray& bytes)
{
    bytes.clear();
    if (!InData(index))
        return false;
    const ArchiveEntry& entry = m_entries[size_t(index)];
    if (!m_file.seek(m_dataOffset + entry.start))
        return Fail(QStringLiteral("cannot read %1").arg(m_file.fileName()));
    bytes = m_file.read(entry.Size());
    if (bytes.size() != entry.Size())
        return Fail(QStringLiteral("cannot read %1").arg(m_file.fileName()));
    if (entry.scramble)
        Scramble(m_key, bytes.data(), size_t(bytes.size()));
    return true;
}
