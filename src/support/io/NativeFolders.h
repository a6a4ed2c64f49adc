#pragma once
// Folders by the bytes of their names. Qt's folder classes turn a path into
// UTF-8 and pass over every entry whose name is not UTF-8 when they list a
// folder, so a copy or a look-up through them would miss such files. Here a
// native path may hold the bytes of any name, kept as TextCodec keeps them,
// and a listing gives every entry's name the same way.
#include <QString>

#include <vector>

struct FolderEntry {
    QString name;         // the entry's bytes, kept (DecodeText)
    bool isFolder = false; // a folder, or a link to one
    bool isFile = false;   // a regular file, or a link to one
    bool isLink = false;
};

// Every entry of the folder but "." and "..", in the order the system gives
// them. Empty when the folder cannot be read.
std::vector<FolderEntry> ListNativeFolder(const QString& nativeFolder);

// The last modification of what the path names, in milliseconds since 1970;
// -1 when nothing is there.
qint64 NativeModifiedMs(const QString& nativePath);

// Whether anything (a file, a folder, a link, even a broken one) has that path.
bool NativePathExists(const QString& nativePath);
bool IsNativeFolder(const QString& nativePath);
// Whether this process may read or write what the path names.
bool IsNativeReadable(const QString& nativePath);
bool IsNativeWritable(const QString& nativePath);

// Makes the folder; with `parents`, every missing folder above it too. True
// when it exists as a folder afterwards.
bool MakeNativeFolder(const QString& nativePath, bool parents = false);

// Removes a file (or a link); true when it is gone.
bool RemoveNativeFile(const QString& nativePath);
// Removes a folder with everything below it; links are removed, never followed.
bool RemoveNativeTree(const QString& nativePath);

// Renames a file or folder, replacing a file at the target.
bool RenameNative(const QString& fromNativePath, const QString& toNativePath);

// The process's current folder, its bytes kept.
QString CurrentNativeFolder();
