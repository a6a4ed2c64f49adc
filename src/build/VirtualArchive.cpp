#include "build/VirtualArchive.h"

#include "support/DiagnosticLog.h"
#include "support/LogicalPath.h"
#include "support/TextCodec.h"
#include "support/TextFile.h"

#include <QFile>
#include <QFileInfo>

#include <limits>
#include <vector>

const char* const kArchiveTempPath = "tempQST";

namespace {

constexpr qint64 kCopyBuffer = 1 << 20;

// Copies the rest of `from` to `to`, scrambling when asked. False when reading
// fails (`readFailed` set) or writing fails.
bool CopyBytes(QFile& from, QFile& to, const ScrambleKey* key, std::vector<char>& buffer, bool& readFailed)
{
    readFailed = false;
    for (;;) {
        const qint64 got = from.read(buffer.data(), qint64(buffer.size()));
        if (got < 0) {
            readFailed = true;
            return false;
        }
        if (got == 0)
            return true;
        if (key)
            Scramble(*key, buffer.data(), size_t(got));
        if (to.write(buffer.data(), got) != got)
            return false;
    }
}

} // namespace

CVirtualArchive::CVirtualArchive(const QString& archiveName) : m_archiveName(archiveName), m_key(kScrambleKey) {}

CVirtualArchive::~CVirtualArchive() = default;

bool CVirtualArchive::IsUsableName(const QByteArray& name)
{
    return !name.isEmpty() && name.size() <= kMaxName && !name.contains('~');
}

bool CVirtualArchive::AddFile(const QString& sourcePath, const QString& archiveName, int scramble)
{
    const QByteArray name = EncodeText(archiveName);
    QFile source(NativePath(sourcePath));
    if (!QFileInfo(source.fileName()).isFile() || !source.open(QIODevice::ReadOnly)) {
        LogLine(QStringLiteral("Couldn't add File to archive"));
        LogLine(sourcePath);
        return false;
    }
    source.close();
    if (!IsUsableName(name)) {
        // A "~" would end the name early and shift every later field.
        LogLine(QStringLiteral("Couldn't add File to archive"));
        LogLine(sourcePath + QStringLiteral(" - archive name cannot be stored: ") + archiveName);
        return false;
    }
    auto file = std::make_unique<CArchiveFile>();
    file->scramble = scramble ? 1 : 0;
    file->sourcePath = sourcePath;
    file->name = name;
    m_files.Append(std::move(file), "File");
    return true;
}

int CVirtualArchive::Build()
{
    if (m_files.IsEmpty())
        return NoFiles;
    m_headers.Clear();
    int result = AssembleData();
    if (result == BuildOk)
        result = WriteArchive();
    // Nothing needs the data file once the archive is written or abandoned.
    QFile::remove(NativePath(QLatin1String(kArchiveTempPath)));
    return result;
}

int CVirtualArchive::AssembleData()
{
    QFile temp(NativePath(QLatin1String(kArchiveTempPath)));
    if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return TempNotCreated;
    std::vector<char> buffer(kCopyBuffer);
    qint64 length = 0;
    for (const CArchiveFile* file : m_files) {
        QFile source(NativePath(file->sourcePath));
        if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            return SourceUnreadable;
        bool readFailed = false;
        if (!CopyBytes(source, temp, file->scramble ? &m_key : nullptr, buffer, readFailed))
            return readFailed ? SourceUnreadable : TempNotCreated;
        const qint64 end = temp.pos();
        // Offsets are stored as signed 32-bit numbers; a larger data area
        // cannot be described and is not written.
        if (end > std::numeric_limits<int32_t>::max())
            return ArchiveNotWritten;
        auto header = std::make_unique<CArchiveHeader>();
        header->name = file->name;
        header->start = int32_t(length);
        header->end = int32_t(end);
        header->scramble = file->scramble;
        m_headers.Append(std::move(header), "header");
        length = end;
    }
    if (!temp.flush())
        return TempNotCreated;
    return BuildOk;
}

int CVirtualArchive::WriteArchive()
{
    if (m_headers.IsEmpty())
        return ArchiveNotWritten;
    QFile temp(NativePath(QLatin1String(kArchiveTempPath)));
    if (!temp.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return ArchiveNotWritten;
    // Written beside the old archive and renamed over it at the end, so a
    // failure half-way leaves the previous archive whole.
    CTextWriter archive;
    if (!archive.Open(m_archiveName))
        return ArchiveNotWritten;
    QByteArray directory(kArchiveMagic);
    directory += QByteArray::number(m_headers.Count()) + '~';
    for (const CArchiveHeader* header : m_headers) {
        directory += header->name + '~';
        directory += QByteArray::number(header->scramble) + '~';
        directory += QByteArray::number(header->start) + '~';
        directory += QByteArray::number(header->end) + '~';
    }
    archive.Raw(directory);
    std::vector<char> buffer(kCopyBuffer);
    for (;;) {
        const qint64 got = temp.read(buffer.data(), qint64(buffer.size()));
        if (got < 0)
            return ArchiveNotWritten; // the writer drops its temporary file
        if (got == 0)
            break;
        archive.Raw(QByteArray::fromRawData(buffer.data(), qsizetype(got)));
    }
    return archive.Commit() ? BuildOk : ArchiveNotWritten;
}
