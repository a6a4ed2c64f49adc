#pragma once
// Outside programs: the compiler is run and waited for; the external editor and
// the engine are started without waiting. Some of these programs are told a
// program name of the editor's choosing ("2" for the compiler, "1" for the
// engine), so the first argument is set explicitly.
#include <QString>
#include <QStringList>

#include <memory>

// What RunAndWait returns instead of an exit code.
constexpr int kRunFailedToStart = -1; // missing, not executable, or exec refused it
constexpr int kRunCrashed = -2;       // ended by a signal

// Runs `program` (native path) with argv[0] = programName and the arguments, in
// the working folder; waits for it. Returns its exit code, kRunFailedToStart or
// kRunCrashed. It reads nothing and what it prints is dropped (the compiler
// writes its diagnostics into its error file, which is what is shown).
int RunAndWait(const QString& program, const QString& programName, const QStringList& arguments,
               const QString& workingFolder);

// A program started as RunAndWait starts it and waited for later, so that the
// caller goes on meanwhile (the compiler compiles the build's next script
// while the build packs the one before). Its end is always waited for: by
// Wait, or else when the object goes.
class CStartedRun {
public:
    CStartedRun(const QString& program, const QString& programName, const QStringList& arguments,
                const QString& workingFolder);
    ~CStartedRun();
    CStartedRun(const CStartedRun&) = delete;
    CStartedRun& operator=(const CStartedRun&) = delete;
    // Waits for the program; its exit code, kRunFailedToStart or kRunCrashed.
    int Wait();

private:
    struct Child;
    std::unique_ptr<Child> m_child;
    int m_result = kRunFailedToStart;
    bool m_waited = false;
};

// What a start without waiting found out.
struct DetachedStart {
    bool started = false;   // the program was run (its exec succeeded)
    bool ended = false;     // it ended within the time it was watched
    int exitCode = 0;       // how it ended then (kRunCrashed for a signal)
    QByteArray errorOutput; // what it wrote on stderr until then
};

// Starts `program` the same way without waiting: it belongs to nobody here
// and goes on after the editor ends. A start whose exec fails (a file without
// the run bit, a missing interpreter) is told apart from one that ran. With
// `watchMs` above 0 the program is watched that long: a start-up program
// that ends at once with a failure (no editor to hand over to) says so in
// `ended`, `exitCode` and `errorOutput`; its stderr goes to a file of its
// own then, never to a pipe that nobody reads once the watch is over.
DetachedStart StartDetachedWatched(const QString& program, const QString& programName, const QStringList& arguments,
                                   const QString& workingFolder, int watchMs);

// StartDetachedWatched without the watch. False when it could not be started.
bool StartDetached(const QString& program, const QString& programName, const QStringList& arguments,
                   const QString& workingFolder);
