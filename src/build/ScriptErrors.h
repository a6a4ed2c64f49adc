#pragma once
// The compiler's error file as the script errors dialog lists it: every line
// that holds "Error [" or "Fatal [" (case-sensitive, anywhere in the line),
// its line feed cut, in file order; warnings, the banner and summaries are
// passed over. The file is read in pieces of at most 511 characters (a
// 512-byte line buffer), and each piece counts as a line of its own.
#include <QString>
#include <QStringList>

// The listed lines of the error file at a logical path; none when the file
// is missing or unreadable (that is no error).
QStringList ReadScriptErrors(const QString& logicalPath);

// The same for the compiler's own "compiler\errors.txt".
QStringList ReadScriptErrors();
