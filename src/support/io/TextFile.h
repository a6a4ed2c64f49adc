#pragma once
// Text files as the program reads and writes them: written with CR LF line
// ends, read accepting CR LF or LF, line by line into fixed-size buffers.
#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <memory>

class CRawNameSaveFile;

// A text file opened for reading. Reading a line behaves like reading into a
// buffer of a given size: at most size - 1 characters arrive per call, so a
// longer line arrives in pieces; the line feed is part of the piece that ends
// the line.
class CTextReader {
public:
    // Opens a logical path (relative to the base directory). False when the file
    // cannot be opened for reading.
    bool Open(const QString& logicalPath);
    // Reads from bytes already in memory (the same rules as a file).
    void OpenBytes(const QByteArray& bytes);

    // Reads one piece of at most bufferSize - 1 bytes. False at the end of the
    // file when nothing was left to read. The piece stops at a NUL byte, as a
    // character buffer would.
    bool GetLine(QByteArray& piece, int bufferSize);

    // Reads one whole line, however long, without its line end: the pieces of a
    // line longer than the buffer are joined, so that the lines after it stay
    // in step. False at the end of the file.
    bool GetWholeLine(QByteArray& line, int bufferSize);
    // Takes the next line when its line feed comes within bufferSize - 1
    // bytes: without the line feed and cut at its first NUL, which is what
    // reading it piece by piece gives. False, reading nothing, otherwise.
    bool TakeLineWithin(QByteArray& line, int bufferSize);

    // The bytes read between two positions (Tell), CR LF as LF.
    QByteArray Span(qint64 from, qint64 to) const { return m_data.mid(from, to - from); }

    bool AtEnd() const { return m_position >= m_data.size(); }
    // How many lines have been read from, the one being read included: at the
    // end of the file, how many lines it holds.
    int LinesRead() const;
    qint64 Tell() const { return m_position; }
    qint64 Size() const { return m_data.size(); }
    void Seek(qint64 position) { m_position = qBound<qint64>(0, position, m_data.size()); }

private:
    QByteArray m_data; // CR LF already turned into LF
    qint64 m_position = 0;
};

// A whole text file written through a temporary file and renamed over the old
// one on Commit, so that a failure half-way leaves the previous file whole.
class CTextWriter {
public:
    CTextWriter();
    ~CTextWriter();
    // Opens a logical path for writing. False when it cannot be created.
    bool Open(const QString& logicalPath);
    // Writes the text, cut at its first CR, LF or NUL (OneLine), and a CR LF
    // line end.
    void Line(const QByteArray& text);
    void Line(const QString& text);
    // Writes bytes as they stand (for files with no line structure).
    void Raw(const QByteArray& bytes);
    // Replaces the file with what was written. False when that failed; the old
    // file then stays as it was.
    bool Commit();
    bool IsOpen() const;

    // Makes every writer opened from now on fail once it has written this many
    // bytes, as a full disk would; -1 ends that. For tests of failures half-way.
    static void FailWritesAfter(qint64 bytes);

private:
    bool Write(const QByteArray& bytes);

    std::unique_ptr<QSaveFile> m_file;
    std::unique_ptr<CRawNameSaveFile> m_rawNamed; // a name that is not UTF-8
    bool m_failed = false;
    qint64 m_written = 0;
    qint64 m_failAfter = -1;
};

// Strips one trailing line feed.
QByteArray StripLineFeed(QByteArray piece);
