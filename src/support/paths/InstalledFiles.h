#pragma once
// What an installed program was installed with, found from where its own
// executable lies: the Small compiler and the shipped base directory (the
// templates, the sample quest, the external editor). Each is an empty string
// where there is none, as for a program run from its build folder.
#include <QString>

// The installed Small compiler, a native path.
QString InstalledCompiler();
// The installed base directory, a native path.
QString InstalledBaseDirectory();

// The compiler a build runs, a native path: the base directory's own
// compiler\sc where there is one, else the installed compiler, else the base
// directory's (whose start then fails with the usual message).
QString CompilerProgram();
