#include "support/platform/Processes.h"

#include "support/io/NativeFile.h"
#include "support/io/TextCodec.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

extern char** environ;

namespace {

struct ArgumentVector {
    std::vector<QByteArray> storage;
    std::vector<char*> pointers;
    ArgumentVector(const QString& programName, const QStringList& arguments)
    {
        // Paths go to the program as the bytes of the names they were read as.
        storage.push_back(EncodeText(programName));
        for (const QString& a : arguments)
            storage.push_back(EncodeText(a));
        for (QByteArray& s : storage)
            pointers.push_back(s.data());
        pointers.push_back(nullptr);
    }
};

bool IsRunnable(const QString& program)
{
    QFileInfo info(program);
    return info.isFile() && info.isExecutable();
}

} // namespace

int RunAndWait(const QString& program, const QString& programName, const QStringList& arguments,
               const QString& workingFolder)
{
    if (!IsRunnable(program))
        return kRunFailedToStart;
    ArgumentVector argv(programName, arguments);
    const QByteArray path = NativePathBytes(program);
    const QByteArray folder = NativePathBytes(workingFolder);
    // The child tells a failed start through a pipe that a successful exec
    // closes, so that a program exiting 127 is never taken for one that could
    // not be run (a script without "#!", a missing interpreter).
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return kRunFailedToStart;
    pid_t pid = fork();
    if (pid < 0) {
        close(report[0]);
        close(report[1]);
        return kRunFailedToStart;
    }
    if (pid == 0) {
        close(report[0]);
        if (folder.isEmpty() || chdir(folder.constData()) == 0) {
            // What the program prints is not shown twice: its diagnostics are
            // read from the file it writes them to.
            int devnull = open("/dev/null", O_RDWR);
            if (devnull >= 0) {
                dup2(devnull, STDIN_FILENO);
                dup2(devnull, STDOUT_FILENO);
                dup2(devnull, STDERR_FILENO);
            }
            execv(path.constData(), argv.pointers.data());
        }
        const int why = errno;
        [[maybe_unused]] const ssize_t written = write(report[1], &why, sizeof why);
        _exit(127);
    }
    close(report[1]);
    int childErrno = 0;
    ssize_t got;
    while ((got = read(report[0], &childErrno, sizeof childErrno)) < 0 && errno == EINTR) {
    }
    close(report[0]);
    // While the program runs, windows keep painting; input waits until it ends.
    int status = 0;
    for (;;) {
        const pid_t done = waitpid(pid, &status, QCoreApplication::instance() ? WNOHANG : 0);
        if (done == pid)
            break;
        if (done < 0 && errno != EINTR)
            return kRunFailedToStart;
        if (done == 0) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            usleep(5000);
        }
    }
    if (got > 0)
        return kRunFailedToStart;
    if (!WIFEXITED(status))
        return kRunCrashed;
    return WEXITSTATUS(status);
}

bool StartDetached(const QString& program, const QString& programName, const QStringList& arguments,
                   const QString& workingFolder)
{
    if (!IsRunnable(program))
        return false;
    ArgumentVector argv(programName, arguments);
    const QByteArray path = NativePathBytes(program);
    const QByteArray folder = NativePathBytes(workingFolder);
    pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        // A second fork so that the started program is nobody's child here.
        setsid();
        if (fork() != 0)
            _exit(0);
        if (!folder.isEmpty() && chdir(folder.constData()) != 0)
            _exit(127);
        execv(path.constData(), argv.pointers.data());
        _exit(127);
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return true;
}

#else

int RunAndWait(const QString& program, const QString&, const QStringList& arguments, const QString& workingFolder)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingFolder);
    process.start();
    if (!process.waitForStarted(-1))
        return kRunFailedToStart;
    process.waitForFinished(-1);
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : kRunCrashed;
}

bool StartDetached(const QString& program, const QString&, const QStringList& arguments, const QString& workingFolder)
{
    return QProcess::startDetached(program, arguments, workingFolder);
}

#endif
