#include "support/io/TextFile.h"

#include "support/io/FieldLine.h"
#include "support/io/NativeFile.h"
#include "support/io/RawNameSaveFile.h"
#include "support/io/TextCodec.h"
#include "support/paths/LogicalPath.h"

#include <QFile>

#include <algorithm>
#include <cstring>

bool CTextReader::Open(const QString& logicalPath)
{
    QFile file;
    if (!OpenNativeFile(file, NativePath(logicalPath), QIODevice::ReadOnly))
        return false;
    OpenBytes(file.readAll());
    return true;
}

void CTextReader::OpenBytes(const QByteArray& bytes)
{
    m_position = 0;
    const char* const from = bytes.constData();
    const qsizetype size = bytes.size();
    if (!std::memchr(from, '\r', size_t(size))) {
        m_data = bytes;
        return;
    }
    // Every CR LF becomes LF; the bytes between them move in one copy each.
    m_data.resize(size);
    char* out = m_data.data();
    qsizetype at = 0;
    while (at < size) {
        const void* cr = std::memchr(from + at, '\r', size_t(size - at));
        const qsizetype next = cr ? static_cast<const char*>(cr) - from : size;
        std::memcpy(out, from + at, size_t(next - at));
        out += next - at;
        at = next;
        if (at < size) {
            const bool beforeFeed = at + 1 < size && from[at + 1] == '\n';
            if (!beforeFeed)
                *out++ = '\r';
            ++at;
        }
    }
    m_data.truncate(out - m_data.constData());
}

int CTextReader::LinesRead() const
{
    const auto feeds = std::count(m_data.constData(), m_data.constData() + m_position, '\n');
    const bool inLine = m_position > 0 && m_data.at(m_position - 1) != '\n';
    return int(feeds) + (inLine ? 1 : 0);
}

bool CTextReader::TakeLineWithin(QByteArray& line, int bufferSize)
{
    if (bufferSize < 2 || m_position >= m_data.size())
        return false;
    const char* const from = m_data.constData() + m_position;
    const qint64 span = qMin<qint64>(m_data.size() - m_position, bufferSize - 1);
    const void* const feed = std::memchr(from, '\n', size_t(span));
    if (!feed)
        return false;
    const qint64 length = static_cast<const char*>(feed) - from;
    const void* const nul = std::memchr(from, '\0', size_t(length));
    // Into the line's own buffer where it has room: a list of thousands of
    // short lines then makes no allocation per line.
    const qint64 kept = nul ? static_cast<const char*>(nul) - from : length;
    line.resize(kept);
    std::memcpy(line.data(), from, size_t(kept));
    m_position += length + 1;
    return true;
}

bool CTextReader::GetLine(QByteArray& piece, int bufferSize)
{
    piece.clear();
    if (bufferSize < 2 || m_position >= m_data.size())
        return false;
    const qint64 limit = qMin<qint64>(m_data.size(), m_position + bufferSize - 1);
    qint64 end = m_position;
    while (end < limit) {
        if (m_data.at(end++) == '\n')
            break;
    }
    piece = m_data.mid(m_position, end - m_position);
    m_position = end;
    // The text stops at a NUL byte, as in a character buffer; the line end is
    // kept so that readers still know where the line ended.
    const int nul = piece.indexOf('\0');
    if (nul >= 0) {
        const bool endsLine = piece.endsWith('\n');
        piece.truncate(nul);
        if (endsLine)
            piece += '\n';
    }
    return true;
}

bool CTextReader::GetWholeLine(QByteArray& line, int bufferSize)
{
    // The usual line, short, is one piece: taken as it stands.
    if (TakeLineWithin(line, bufferSize))
        return true;
    QByteArray piece;
    line.clear();
    if (!GetLine(piece, bufferSize))
        return false;
    line = piece;
    while (!line.endsWith('\n') && GetLine(piece, bufferSize))
        line += piece;
    line = StripLineFeed(line);
    return true;
}

QByteArray StripLineFeed(QByteArray piece)
{
    if (piece.endsWith('\n'))
        piece.chop(1);
    return piece;
}

namespace {
qint64 g_failWritesAfter = -1;
}

void CTextWriter::FailWritesAfter(qint64 bytes)
{
    g_failWritesAfter = bytes;
}

CTextWriter::CTextWriter() = default;

CTextWriter::~CTextWriter()
{
    if (m_file)
        m_file->cancelWriting();
}

bool CTextWriter::Open(const QString& logicalPath)
{
    const QString native = NativePath(logicalPath);
    m_file.reset();
    m_rawNamed.reset();
    m_failed = false;
    m_written = 0;
    m_failAfter = g_failWritesAfter;
    // QSaveFile would write a name that is not UTF-8 as another name.
    if (HoldsRawBytes(native)) {
        m_rawNamed = std::make_unique<CRawNameSaveFile>();
        if (!m_rawNamed->Open(native)) {
            m_rawNamed.reset();
            return false;
        }
        return true;
    }
    m_file = std::make_unique<QSaveFile>(native);
    if (!m_file->open(QIODevice::WriteOnly)) {
        m_file.reset();
        return false;
    }
    return true;
}

bool CTextWriter::IsOpen() const
{
    return m_file != nullptr || m_rawNamed != nullptr;
}

bool CTextWriter::Write(const QByteArray& bytes)
{
    if (m_rawNamed)
        return m_rawNamed->Write(bytes);
    return m_file->write(bytes) == bytes.size();
}

void CTextWriter::Raw(const QByteArray& bytes)
{
    if (!IsOpen() || m_failed)
        return;
    QByteArray chunk = bytes;
    if (m_failAfter >= 0 && m_written + chunk.size() > m_failAfter) {
        chunk.truncate(int(qMax<qint64>(0, m_failAfter - m_written)));
        m_failed = true;
    }
    if (!Write(chunk))
        m_failed = true;
    m_written += chunk.size();
}

void CTextWriter::Line(const QByteArray& text)
{
    Raw(OneLine(text) + "\r\n");
}

void CTextWriter::Line(const QString& text)
{
    Line(EncodeText(text));
}

bool CTextWriter::Commit()
{
    if (m_rawNamed) {
        const bool ok = !m_failed && m_rawNamed->Commit();
        m_rawNamed.reset();
        return ok;
    }
    if (!m_file)
        return false;
    bool ok = !m_failed && m_file->commit();
    m_file.reset();
    return ok;
}
