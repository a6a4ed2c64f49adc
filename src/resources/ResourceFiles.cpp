#include "resources/ResourceFiles.h"

#include "support/io/FieldLine.h"
#include "support/io/NativeFile.h"
#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"
#include "support/paths/LogicalPath.h"


namespace {

constexpr qint64 kCopyBlock = 64 * 1024;

} // namespace

bool CopyIntoResources(const QString& chosen, const QString& destination)
{
    const QString target = NativePath(destination);
    if (IsSameNativeFile(chosen, target))
        return true;
    QFile from;
    if (!OpenNativeFile(from, chosen, QIODevice::ReadOnly))
        return false;
    // Written whole or not at all, under the bytes of its name.
    CTextWriter to;
    if (!to.Open(destination))
        return false;
    while (!from.atEnd()) {
        const QByteArray block = from.read(kCopyBlock);
        if (block.isEmpty())
            return false;
        to.Raw(block);
    }
    return to.Commit();
}

bool WouldReplaceOther(const QString& chosen, const QString& destination)
{
    const QString target = NativePath(destination);
    if (!IsNativeFile(target) || IsSameNativeFile(chosen, target))
        return false;
    QFile from, to;
    if (!OpenNativeFile(from, chosen, QIODevice::ReadOnly) || !OpenNativeFile(to, target, QIODevice::ReadOnly))
        return true;
    if (from.size() != to.size())
        return true;
    while (!from.atEnd())
        if (from.read(kCopyBlock) != to.read(kCopyBlock))
            return true;
    return false;
}

bool WriteFromTemplate(const QString& path, const QString& templatePath)
{
    QByteArray bytes;
    QFile source;
    if (!templatePath.isEmpty() && OpenLogicalFileForReading(source, templatePath))
        bytes = source.readAll();
    CTextWriter file;
    if (!file.Open(path))
        return false;
    file.Raw(bytes);
    return file.Commit();
}

bool FitsSoundName(const QString& fileName)
{
    return EncodeText(fileName).size() <= kSoundNameLength;
}

bool CTreeFileAppender::Open(const QString& logicalPath)
{
    const QString native = NativePath(logicalPath);
    QFile existing;
    if (OpenNativeFile(existing, native, QIODevice::ReadOnly) && existing.size() > 0) {
        existing.seek(existing.size() - 1);
        m_needsLineEnd = existing.read(1) != "\n";
    }
    return OpenNativeFile(m_file, native, QIODevice::WriteOnly | QIODevice::Append);
}

bool CTreeFileAppender::Append(const QString& pathLine, const QString& nameLine)
{
    QByteArray bytes;
    if (m_needsLineEnd)
        bytes += "\r\n";
    bytes += OneLine(EncodeText(pathLine)) + "\r\n" + OneLine(EncodeText(nameLine)) + "\r\n";
    const bool written = m_file.write(bytes) == bytes.size() && m_file.flush();
    if (written)
        m_needsLineEnd = false;
    return written;
}

bool AppendTreeEntry(const QString& logicalPath, const QString& pathLine, const QString& nameLine)
{
    CTreeFileAppender file;
    return file.Open(logicalPath) && file.Append(pathLine, nameLine);
}
