#pragma once
// Outside programs: the compiler is run and waited for; the external editor and
// the engine are started without waiting. Some of these programs are told a
// program name of the editor's choosing ("2" for the compiler, "1" for the
// engine), so the first argument is set explicitly.
#include <QString>
#include <QStringList>

// What RunAndWait returns instead of an exit code.
constexpr int kRunFailedToStart = -1; // missing, not executable, or exec refused it
constexpr int kRunCrashed = -2;       // ended by a signal

// Runs `program` (native path) with argv[0] = programName and the arguments, in
// the working folder; waits for it. Returns its exit code, kRunFailedToStart or
// kRunCrashed. It reads nothing and what it prints is dropped (the compiler
// writes its diagnostics into its error file, which is what is shown).
int RunAndWait(const QString& program, const QString& programName, const QStringList& arguments,
               const QString& workingFolder);

// Starts `program` the same way without waiting. False when it could not be
// started.
bool StartDetached(const QString& program, const QString& programName, const QStringList& arguments,
                   const QString& workingFolder);
