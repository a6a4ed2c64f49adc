#pragma once
// Runs a program as a child process and measures it: the time from start to
// end and the most memory it held (its peak resident set, from wait4).
#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <vector>

extern char** environ;

struct ChildRun {
    int exitCode = -1;
    double seconds = 0;
    double peakKilobytes = 0;
};

// `program` with `args`, in `folder`; standard output and error go to
// `output` (a file path, /dev/null by default).
// `argv0`, when given, is the name the program is told it was started by.
inline ChildRun RunChild(const QString& program, const QStringList& args, const QString& folder,
                         const QString& output = QStringLiteral("/dev/null"), const QString& argv0 = QString())
{
    ChildRun run;
    const QByteArray path = program.toLocal8Bit();
    std::vector<QByteArray> bytes{argv0.isEmpty() ? path : argv0.toLocal8Bit()};
    for (const QString& a : args)
        bytes.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray out = output.toLocal8Bit();
    posix_spawn_file_actions_addopen(&actions, 1, out.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    const QByteArray dir = folder.toLocal8Bit();
    posix_spawn_file_actions_addchdir_np(&actions, dir.constData());
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawnp(&pid, path.constData(), &actions, nullptr, argv.data(), environ) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return run;
    }
    int status = 0;
    struct rusage usage {};
    wait4(pid, &status, 0, &usage);
    run.seconds = double(timer.nsecsElapsed()) / 1e9;
    posix_spawn_file_actions_destroy(&actions);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakKilobytes = double(usage.ru_maxrss);
    return run;
}
