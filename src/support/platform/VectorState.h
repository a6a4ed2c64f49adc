#pragma once
// Qt's string hash uses the processor's wide vector registers and, on some
// processors, leaves their upper halves marked in use when it returns. Until
// they are cleared, every instruction of the older 128-bit kind (most of the
// code a compiler makes for plain x86-64) waits on them: on the Intel
// processors seen here, text parsing ran four to five times slower after a
// single qHash. Nothing else clears them there, since the C library's own
// routines use registers that need no clearing.
//
// Clears them where the processor has such registers; nothing elsewhere.
// One instruction, called where a long stretch of the program's own text
// parsing begins after Qt may have hashed (the compile list's load).
void ClearUpperVectorState();
