#pragma once
// Opening files by the bytes of their names. A native path (from NativePath)
// may hold the bytes of a name that is not UTF-8, kept as TextCodec keeps them.
// Qt's file classes turn a path into UTF-8 and would look for another name, so
// such a path is opened here by its own bytes; every other path goes through
// Qt as usual.
#include <QByteArray>
#include <QFile>
#include <QString>

// The file system's bytes of a native path.
QByteArray NativePathBytes(const QString& nativePath);

// Opens the file at the native path with the mode (ReadOnly or WriteOnly, with
// Truncate, Append or Unbuffered). False when it cannot be opened.
bool OpenNativeFile(QFile& file, const QString& nativePath, QIODevice::OpenMode mode);

// Whether the native path names a regular file; its size when it does.
bool IsNativeFile(const QString& nativePath, qint64* size = nullptr);

// Whether two native paths name the same file (through links too).
bool IsSameNativeFile(const QString& first, const QString& second);

// The same for a logical path that is only read: tried as written first, and
// looked up ignoring letter case (NativePath) only when that fails, so a file
// that exists as written costs no look-up beside the open or stat itself.
bool OpenLogicalFileForReading(QFile& file, const QString& logicalPath,
                               QIODevice::OpenMode mode = QIODevice::ReadOnly);
bool IsLogicalFile(const QString& logicalPath, qint64* size = nullptr);
// Whether OpenLogicalFileForReading would open the file, found as it finds
// it, without opening it: something that is not a folder and may be read.
bool CanOpenLogicalFileForReading(const QString& logicalPath);

// Asks about many files of one folder, which is opened once: each name is
// looked up in it alone, as CanOpenLogicalFileForReading finds a file as
// written (a name not there as written may still be found in other case).
class CFolderReadCheck {
public:
    explicit CFolderReadCheck(const QString& nativeFolder);
    ~CFolderReadCheck();
    CFolderReadCheck(const CFolderReadCheck&) = delete;
    CFolderReadCheck& operator=(const CFolderReadCheck&) = delete;
    // False too when the folder could not be opened.
    bool CanRead(const QByteArray& name) const;

private:
    int m_folder = -1;
};
