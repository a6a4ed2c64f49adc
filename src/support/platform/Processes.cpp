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
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
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

struct CStartedRun::Child {
    pid_t pid = -1;
};

CStartedRun::CStartedRun(const QString& program, const QString& programName, const QStringList& arguments,
                         const QString& workingFolder)
    : m_child(std::make_unique<Child>())
{
    if (!IsRunnable(program))
        return;
    ArgumentVector argv(programName, arguments);
    const QByteArray path = NativePathBytes(program);
    const QByteArray folder = NativePathBytes(workingFolder);
    // posix_spawn shares the caller's memory until the exec instead of
    // copying its page tables as fork does, and says when the exec failed (a
    // script without "#!", a missing interpreter) or the folder could not be
    // entered, so that a program exiting 127 is never taken for one that
    // could not be run. What the program prints is not shown twice: its
    // diagnostics are read from the file it writes them to.
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0)
        return;
    bool ready = true;
    for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        ready = ready && posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", O_RDWR, 0) == 0;
    if (!folder.isEmpty())
        ready = ready && posix_spawn_file_actions_addchdir_np(&actions, folder.constData()) == 0;
    pid_t pid = -1;
    if (ready && posix_spawn(&pid, path.constData(), &actions, nullptr, argv.pointers.data(), environ) == 0)
        m_child->pid = pid;
    posix_spawn_file_actions_destroy(&actions);
}

CStartedRun::~CStartedRun()
{
    Wait();
}

int CStartedRun::Wait()
{
    if (m_waited)
        return m_result;
    m_waited = true;
    const pid_t pid = m_child->pid;
    if (pid < 0)
        return m_result;
    // While the program runs, windows keep painting; input waits until it ends.
    // Its end is noticed at once (a pidfd turns readable), not at the next
    // look after a pause.
#ifdef SYS_pidfd_open
    const int ended = int(syscall(SYS_pidfd_open, pid, 0));
#else
    const int ended = -1;
#endif
    int status = 0;
    for (;;) {
        const pid_t done = waitpid(pid, &status, QCoreApplication::instance() ? WNOHANG : 0);
        if (done == pid)
            break;
        if (done < 0 && errno != EINTR) {
            if (ended >= 0)
                close(ended);
            return m_result;
        }
        if (done == 0) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            if (ended >= 0) {
                pollfd watch{ended, POLLIN, 0};
                poll(&watch, 1, 5);
            } else {
                usleep(5000);
            }
        }
    }
    if (ended >= 0)
        close(ended);
    m_result = WIFEXITED(status) ? WEXITSTATUS(status) : kRunCrashed;
    return m_result;
}

int RunAndWait(const QString& program, const QString& programName, const QStringList& arguments,
               const QString& workingFolder)
{
    return CStartedRun(program, programName, arguments, workingFolder).Wait();
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

struct CStartedRun::Child {
    QProcess process;
    bool started = false;
};

CStartedRun::CStartedRun(const QString& program, const QString&, const QStringList& arguments,
                         const QString& workingFolder)
    : m_child(std::make_unique<Child>())
{
    m_child->process.setProgram(program);
    m_child->process.setArguments(arguments);
    m_child->process.setWorkingDirectory(workingFolder);
    m_child->process.start();
    m_child->started = m_child->process.waitForStarted(-1);
}

CStartedRun::~CStartedRun()
{
    Wait();
}

int CStartedRun::Wait()
{
    if (m_waited || !m_child->started)
        return m_result;
    m_waited = true;
    m_child->process.waitForFinished(-1);
    m_result = m_child->process.exitStatus() == QProcess::NormalExit ? m_child->process.exitCode() : kRunCrashed;
    return m_result;
}

int RunAndWait(const QString& program, const QString& programName, const QStringList& arguments,
               const QString& workingFolder)
{
    return CStartedRun(program, programName, arguments, workingFolder).Wait();
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
