#include "support/platform/Processes.h"

#include "support/io/NativeFile.h"
#include "support/io/TextCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdlib>
#include <ctime>
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

namespace {

// Reads one int a child writes into a pipe; false when every writer closed it
// without writing.
bool ReadWord(int fd, int& word)
{
    ssize_t got;
    while ((got = read(fd, &word, sizeof word)) < 0 && errno == EINTR) {
    }
    return got == ssize_t(sizeof word);
}

// An unlinked temporary file for a watched program's stderr; -1 when none
// could be made (the program then writes where the editor does).
int ErrorOutputFile()
{
    QByteArray name = QFile::encodeName(QDir::tempPath()) + "/tessell-stderr-XXXXXX";
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd >= 0)
        unlink(name.constData());
    return fd;
}

void Pause5ms()
{
    const timespec pause{0, 5'000'000};
    nanosleep(&pause, nullptr);
}

} // namespace

DetachedStart StartDetachedWatched(const QString& program, const QString& programName, const QStringList& arguments,
                                   const QString& workingFolder, int watchMs)
{
    DetachedStart result;
    if (!IsRunnable(program))
        return result;
    ArgumentVector argv(programName, arguments);
    const QByteArray path = NativePathBytes(program);
    const QByteArray folder = NativePathBytes(workingFolder);
    // `report` carries the exec's errno and is closed by a successful exec,
    // as for RunAndWait; `outcome` carries the watcher's word on how the
    // program ended, when it ended while watched.
    int report[2], outcome[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return result;
    if (pipe2(outcome, O_CLOEXEC) != 0) {
        close(report[0]);
        close(report[1]);
        return result;
    }
    const int errorFile = watchMs > 0 ? ErrorOutputFile() : -1;
    const pid_t watcher = fork();
    if (watcher == 0) {
        // The watcher: a fork of its own so that the program is nobody's
        // child here, in a session of its own.
        close(report[0]);
        close(outcome[0]);
        setsid();
        const pid_t started = fork();
        if (started == 0) {
            close(outcome[1]);
            if (errorFile >= 0)
                dup2(errorFile, STDERR_FILENO);
            if (folder.isEmpty() || chdir(folder.constData()) == 0)
                execv(path.constData(), argv.pointers.data());
        }
        if (started <= 0) {
            const int why = errno;
            [[maybe_unused]] const ssize_t written = write(report[1], &why, sizeof why);
            _exit(127);
        }
        close(report[1]);
        int status = 0;
        for (int waited = 0; waited < watchMs; waited += 5) {
            const pid_t done = waitpid(started, &status, WNOHANG);
            if (done == started) {
                [[maybe_unused]] const ssize_t written = write(outcome[1], &status, sizeof status);
                break;
            }
            if (done < 0 && errno != EINTR)
                break;
            Pause5ms();
        }
        _exit(0);
    }
    close(report[1]);
    close(outcome[1]);
    if (watcher > 0) {
        int childErrno = 0;
        result.started = !ReadWord(report[0], childErrno);
        // While the program is watched, windows keep painting; input waits.
        int status = 0;
        for (;;) {
            const pid_t done = waitpid(watcher, &status, QCoreApplication::instance() ? WNOHANG : 0);
            if (done == watcher || (done < 0 && errno != EINTR))
                break;
            if (done == 0) {
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                Pause5ms();
            }
        }
        int programStatus = 0;
        if (result.started && ReadWord(outcome[0], programStatus)) {
            result.ended = true;
            result.exitCode = WIFEXITED(programStatus) ? WEXITSTATUS(programStatus) : kRunCrashed;
            if (errorFile >= 0) {
                QByteArray text(4096, '\0');
                const ssize_t got = pread(errorFile, text.data(), size_t(text.size()), 0);
                text.resize(got > 0 ? got : 0);
                result.errorOutput = text;
            }
        }
    }
    close(report[0]);
    close(outcome[0]);
    if (errorFile >= 0)
        close(errorFile);
    return result;
}

bool StartDetached(const QString& program, const QString& programName, const QStringList& arguments,
                   const QString& workingFolder)
{
    return StartDetachedWatched(program, programName, arguments, workingFolder, 0).started;
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

DetachedStart StartDetachedWatched(const QString& program, const QString&, const QStringList& arguments,
                                   const QString& workingFolder, int)
{
    DetachedStart result;
    result.started = QProcess::startDetached(program, arguments, workingFolder);
    return result;
}

bool StartDetached(const QString& program, const QString& programName, const QStringList& arguments,
                   const QString& workingFolder)
{
    return StartDetachedWatched(program, programName, arguments, workingFolder, 0).started;
}

#endif
