#pragma once
// Turns the diagnostics of Debian's Small compiler (embryo_cc) into the form
// the editor's errors dialog reads, the classic Small compiler's:
//
//   /base/questdata/Q/scripts/main/main.ves(4) : error 017: undefined symbol "b"
//   questdata\Q\scripts\main\main.ves(4) Error [017]: undefined symbol "b"
#include <QString>

// The classic form of one line of embryo_cc's output, or an empty string when
// the line is no diagnostic. File names below `baseFolder` (native, absolute)
// become logical paths relative to it.
QString ClassicDiagnostic(const QString& line, const QString& baseFolder);

// A file name as the errors dialog shows it: relative to the base folder when
// inside it, with backslashes.
QString LogicalName(const QString& nativePath, const QString& baseFolder);

// Whether a classic line reports an error or a fatal error.
bool IsErrorLine(const QString& classicLine);
