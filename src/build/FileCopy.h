#pragma once
// Appends one file's bytes to another, scrambled or as they are, through a
// buffer small enough to stay in the processor's cache.
#include "build/ScrambleKey.h"

#include <QFile>

enum class CopyStatus { Done, ReadFailed, WriteFailed };

// Copies from the current position of `from` to its end, appending to `to`
// (both open, unbuffered). `copied` receives the number of bytes written.
CopyStatus AppendFileBytes(QFile& from, QFile& to, const ScrambleKey* key, qint64& copied);
