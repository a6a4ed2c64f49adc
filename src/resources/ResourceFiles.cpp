#include "resources/ResourceFiles.h"

#include "support/io/FieldLine.h"
#include "support/paths/LogicalPath.h"
#include "support/io/NativeFile.h"
#include "support/io/TextCodec.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr qint64 kCopyBlock = 64 * 1024;

bool IsSameFile(const QString& a, const QString& b)
{
    const QFileInfo first(a), second(b);
    return first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}

} // namespace

bool CopyIntoResources(const QString& chosen, const QString& destination)
{
    const QString target = NativePath(destination);
    if (IsSameFile(chosen, target))
        return true;
    QFile from;
    if (!OpenNativeFile(from, chosen, QIODevice::ReadOnly))
        return false;
    QSaveFile to(target);
    if (!to.open(QIODevice::WriteOnly))
        return false;
    while (!from.atEnd()) {
        const QByteArray block = from.read(kCopyBlock);
        if (block.isEmpty() || to.write(block) != block.size()) {
            to.cancelWriting();
            return false;
        }
    }
    return to.commit();
}

bool WouldReplaceOther(const QString& chosen, const QString& destination)
{
    const QString target = NativePath(destination);
    if (!QFileInfo(target).isFile() || IsSameFile(chosen, target))
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
    QSaveFile file(NativePath(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    return file.commit();
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
