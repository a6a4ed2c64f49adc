#include "build/VirtualArchive.h"

#include "build/FileCopy.h"
#include "support/io/NativeFile.h"
#include "support/io/NativeFolders.h"
#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"
#include "support/paths/LogicalPath.h"
#include "support/platform/DiagnosticLog.h"

#include <QFile>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#endif

#include <limits>
#include <cerrno>
#include <cstdio>
#include <vector>

const char* const kArchiveTempPath = "tempQST";

namespace {

constexpr qint64 kCopyBuffer = 1 << 20;

// The directory: magic, count, then name, flag, start and end of every file.
QByteArray Directory(const CTaggedList<CArchiveHeader>& headers)
{
    QByteArray directory(kArchiveMagic);
    directory += QByteArray::number(headers.Count()) + '~';
    for (const CArchiveHeader* header : headers) {
        directory += header->name + '~';
        directory += QByteArray::number(header->scramble) + '~';
        directory += QByteArray::number(header->start) + '~';
        directory += QByteArray::number(header->end) + '~';
    }
    return directory;
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
    // The source is found by the bytes of its name, as the lists name it.
    QFile source;
    if (!IsLogicalFile(sourcePath) || !OpenLogicalFileForReading(source, sourcePath)) {
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
    const QString tempPath = NativePath(QLatin1String(kArchiveTempPath));
    int result = AssembleWhole(tempPath);
    if (result == BuildOk) {
        result = PutInPlace(tempPath);
    } else if (result == kSizesChanged) {
        // A file changed while it was copied: the data area is assembled
        // first and the directory written after it.
        result = AssembleData(tempPath);
        if (result == BuildOk)
            result = WriteArchive(tempPath, false);
    }
    // Nothing needs the data file once the archive is written or abandoned.
    RemoveNativeFile(tempPath);
    return result;
}

int CVirtualArchive::AppendSource(const CArchiveFile& file, QFile& temp, qint64& copied) const
{
    QFile source;
    if (!OpenLogicalFileForReading(source, file.sourcePath, QIODevice::ReadOnly | QIODevice::Unbuffered))
        return SourceUnreadable;
    switch (AppendFileBytes(source, temp, file.scramble ? &m_key : nullptr, copied)) {
    case CopyStatus::ReadFailed:
        return SourceUnreadable;
    case CopyStatus::WriteFailed:
        return TempNotCreated;
    case CopyStatus::Done:
        break;
    }
    return BuildOk;
}

void CVirtualArchive::AppendHeader(const CArchiveFile& file, qint64 start, qint64 size)
{
    // The callers have checked that the end fits the directory's 32-bit offsets.
    auto header = std::make_unique<CArchiveHeader>();
    header->name = file.name;
    header->start = int32_t(start);
    header->end = int32_t(start + size);
    header->scramble = file.scramble;
    m_headers.Append(std::move(header), "header");
}

int CVirtualArchive::AssembleWhole(const QString& tempPath)
{
    // The usual way: every file's size is known now, so "tempQST" receives the
    // directory and then the data, and becomes the archive without a second
    // copy. Should a size differ from what the directory says, this stops.
    m_headers.Clear();
    QFile temp;
    if (!OpenNativeFile(temp, tempPath, QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return TempNotCreated;
    qint64 length = 0;
    for (const CArchiveFile* file : m_files) {
        qint64 size = 0;
        if (!IsLogicalFile(file->sourcePath, &size))
            return SourceUnreadable;
        if (length + size > std::numeric_limits<int32_t>::max())
            return ArchiveNotWritten; // offsets are signed 32-bit numbers
        AppendHeader(*file, length, size);
        length += size;
    }
    const QByteArray directory = Directory(m_headers);
#ifdef Q_OS_LINUX
    // The archive's whole length is known: its blocks are taken in one go
    // rather than page by page as the data arrives (where the file system
    // cannot, the writes take them as usual).
    (void)::fallocate(temp.handle(), 0, 0, off_t(directory.size() + length));
#endif
    if (temp.write(directory) != directory.size())
        return TempNotCreated;
    auto header = m_headers.begin();
    for (const CArchiveFile* file : m_files) {
        qint64 copied = 0;
        if (const int result = AppendSource(*file, temp, copied); result != BuildOk)
            return result;
        if (copied != qint64((*header)->end) - (*header)->start)
            return kSizesChanged;
        ++header;
    }
    // No sync to the disk before the rename: the archive is made from files
    // that stay, so a build repeats what a power cut might lose, and a 100 MB
    // quest would otherwise wait for the disk on every build.
    if (!temp.flush())
        return TempNotCreated;
    return BuildOk;
}

int CVirtualArchive::PutInPlace(const QString& tempPath)
{
    const QString archivePath = NativePath(m_archiveName);
#ifdef Q_OS_UNIX
    // Renaming replaces the old archive in one step: it stays whole until then.
    if (::rename(NativePathBytes(tempPath).constData(), NativePathBytes(archivePath).constData()) == 0)
        return BuildOk;
    if (errno != EXDEV)
        return ArchiveNotWritten;
#endif
    // Another file system (or no atomic rename): copied, directory included.
    return WriteArchive(tempPath, true);
}

int CVirtualArchive::AssembleData(const QString& tempPath)
{
    m_headers.Clear();
    QFile temp;
    if (!OpenNativeFile(temp, tempPath, QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return TempNotCreated;
    qint64 length = 0;
    for (const CArchiveFile* file : m_files) {
        qint64 copied = 0;
        if (const int result = AppendSource(*file, temp, copied); result != BuildOk)
            return result;
        // Offsets are stored as signed 32-bit numbers; a larger data area
        // cannot be described and is not written.
        if (length + copied > std::numeric_limits<int32_t>::max())
            return ArchiveNotWritten;
        AppendHeader(*file, length, copied);
        length += copied;
    }
    return BuildOk;
}

int CVirtualArchive::WriteArchive(const QString& tempPath, bool tempHoldsDirectory)
{
    if (m_headers.IsEmpty())
        return ArchiveNotWritten;
    QFile temp;
    if (!OpenNativeFile(temp, tempPath, QIODevice::ReadOnly | QIODevice::Unbuffered))
        return ArchiveNotWritten;
    // Written beside the old archive and renamed over it at the end, so a
    // failure half-way leaves the previous archive whole.
    CTextWriter archive;
    if (!archive.Open(m_archiveName))
        return ArchiveNotWritten;
    if (!tempHoldsDirectory)
        archive.Raw(Directory(m_headers));
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
