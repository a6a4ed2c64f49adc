#pragma once
// Paths inside the program are logical: relative to the base directory and
// written with backslashes ("questdata\Forest\screens\2-1.lnd"), the form every
// stored file uses. They become native paths only here, where a file is opened
// or a program started.
#include <QString>

// The native path of a logical path: joined to g_baseDirectory, backslashes
// turned into the platform's separator. A path that does not exist as written
// is looked up ignoring letter case, component by component: one match is
// used; several are logged and the path is used as written; a component found
// in no case keeps the given name, and so does everything after it. An
// absolute path is kept as it is.
QString NativePath(const QString& logicalPath);

// The native path of a logical path as written, without the look-up of letter
// case. Wherever it exists, NativePath gives this same path: a reader about to
// open or stat the file anyway tries this one first, and needs NativePath only
// when that fails (never for making a file: that would miss one in other case).
QString NativePathAsWritten(const QString& logicalPath);

// A logical path as a program started in the base directory is given it:
// relative to the base directory, with the platform's separators (a path
// outside the base directory whole).
QString RelativeNativePath(const QString& logicalPath);

// Joins logical path pieces with single backslashes.
QString JoinLogical(const QString& folder, const QString& name);

// Whether a single name (a quest, folder or resource name) is safe to become one
// path component: not empty, not "." or "..", no separator, drive colon or
// control character.
bool IsSafeFileName(const QString& name);
