#pragma once
// A program's arguments as the bytes it was given. Qt decodes them as UTF-8
// and turns every byte that is not part of a UTF-8 character into U+FFFD, so a
// name given on the command line would name another file; here each argument
// keeps its bytes as TextCodec keeps them.
#include <QStringList>

// The arguments after the program's own name. Needs the QCoreApplication made
// from the same argc and argv on systems whose arguments are not bytes.
QStringList ProgramArguments(int argc, char** argv);
