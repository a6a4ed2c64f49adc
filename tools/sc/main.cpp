// sc: the Small compiler as the editor runs it, built on Debian's embryo_cc.
//
//   sc SOURCE -oOUTPUT -eERRORS     (also "-o OUTPUT", "-e ERRORS", "-iFOLDER")
//
// The editor starts it in the base directory with one argument per path,
// relative to that directory, so paths may hold blanks. It compiles SOURCE into OUTPUT with embryo_cc
// (including compiler/include below the base directory when that folder
// exists), writes every diagnostic in the classic Small form into ERRORS and
// exits with the compiler's code: 0 clean, 1 warnings only, 2 errors. When
// embryo_cc cannot be run, ERRORS gets one "Fatal" line saying so and the exit
// code is 2, so the reason shows in the editor's errors dialog.
// Any other Small compiler placed in compiler/ as sc can take its place.
//
// File names are bytes: every argument, path and diagnostic is kept here as
// the bytes it came as (each byte one Latin-1 character of a QString), so a
// name that is not UTF-8 reaches embryo_cc, and comes back in the error
// file, unchanged.
#include "Diagnostics.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

namespace {

constexpr int kClean = 0;
constexpr int kErrors = 2;
constexpr int kUsage = 3;
const char kEmbryo[] = "embryo_cc";

// The bytes a kept string stands for.
QByteArray Bytes(const QString& text)
{
    return text.toLatin1();
}

QString FromBytes(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes);
}

void Print(const QString& line)
{
    std::fprintf(stderr, "%s\n", Bytes(line).constData());
}

bool IsFolder(const QString& path)
{
#ifdef Q_OS_UNIX
    struct stat info;
    return ::stat(Bytes(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
#else
    return QFileInfo(path).isDir();
#endif
}

bool IsFile(const QString& path)
{
#ifdef Q_OS_UNIX
    struct stat info;
    return ::stat(Bytes(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
#else
    return QFileInfo(path).isFile();
#endif
}

// The arguments after the program's name, as their bytes.
QStringList Arguments([[maybe_unused]] int argc, [[maybe_unused]] char** argv)
{
#ifdef Q_OS_UNIX
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << FromBytes(QByteArray(argv[i]));
    return arguments;
#else
    return QCoreApplication::arguments().mid(1);
#endif
}

QString CurrentFolder()
{
#ifdef Q_OS_UNIX
    QByteArray buffer(4096, '\0');
    if (::getcwd(buffer.data(), size_t(buffer.size())))
        return FromBytes(QByteArray(buffer.constData()));
#endif
    return FromBytes(QFile::encodeName(QDir::currentPath()));
}

// What running embryo_cc gave: whether it started (and why not), whether it
// ended normally, its exit code and what it printed.
struct CompilerRun {
    bool started = false;
    QString whyNot;
    bool normalExit = false;
    int exitCode = 0;
    QByteArray errorText;
    QByteArray outputText;
};

#ifdef Q_OS_UNIX
// The output of the compiler goes to a temporary file each, read once it ends.
int TemporaryFile(QByteArray& name)
{
    const char* folder = std::getenv("TMPDIR");
    name = QByteArray(folder && *folder ? folder : "/tmp") + "/sc-XXXXXX";
    return ::mkstemp(name.data());
}

QByteArray ReadAndRemove(int fd, const QByteArray& name)
{
    QByteArray text;
    ::lseek(fd, 0, SEEK_SET);
    char buffer[4096];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, qsizetype(got));
    ::close(fd);
    ::unlink(name.constData());
    return text;
}
#endif

CompilerRun RunCompiler(const QString& compiler, const QStringList& arguments)
{
    CompilerRun run;
#ifdef Q_OS_UNIX
    std::vector<QByteArray> storage{Bytes(compiler)};
    for (const QString& a : arguments)
        storage.push_back(Bytes(a));
    std::vector<char*> argv;
    for (QByteArray& a : storage)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    QByteArray errorName, outputName;
    const int errorFd = TemporaryFile(errorName);
    const int outputFd = TemporaryFile(outputName);
    if (errorFd < 0 || outputFd < 0) {
        run.whyNot = QStringLiteral("no temporary file for its output");
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outputFd, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errorFd, STDERR_FILENO);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, storage[0].constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed == 0) {
        run.started = true;
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        run.normalExit = WIFEXITED(status);
        run.exitCode = run.normalExit ? WEXITSTATUS(status) : 0;
    } else {
        run.whyNot = QString::fromLocal8Bit(std::strerror(failed));
    }
    run.errorText = ReadAndRemove(errorFd, errorName);
    run.outputText = ReadAndRemove(outputFd, outputName);
#else
    QProcess process;
    process.start(compiler, arguments);
    if (!process.waitForStarted(-1)) {
        run.whyNot = process.errorString();
        return run;
    }
    run.started = true;
    process.waitForFinished(-1);
    run.normalExit = process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.errorText = process.readAllStandardError();
    run.outputText = process.readAllStandardOutput();
#endif
    return run;
}

int Usage(const QString& why)
{
    Print(QStringLiteral("sc: ") + why);
    Print(QStringLiteral("usage: sc SOURCE -oOUTPUT [-eERRORFILE] [-iINCLUDEFOLDER]"));
    return kUsage;
}

// Paths may come in the editor's logical form, with backslashes.
QString Native(QString path)
{
#ifdef Q_OS_UNIX
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
    return path;
}

// embryo_cc is handed absolute paths, so that every file name in its
// diagnostics can be shown relative to the base directory the same way.
QString Absolute(const QString& base, const QString& path)
{
    return path.isEmpty() ? path : QDir::cleanPath(QDir(base).absoluteFilePath(Native(path)));
}

struct CommandLine {
    QString source;
    QString output;
    QString errorFile;
    QString include;
    QString stackSize;
};

// Reads "-xVALUE" or "-x VALUE".
bool OptionValue(const QStringList& args, int& i, QString& value)
{
    value = args[i].mid(2);
    if (value.isEmpty()) {
        if (i + 1 >= args.size())
            return false;
        value = args[++i];
    }
    return !value.isEmpty();
}

QString Parse(const QStringList& args, CommandLine& line)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a.size() >= 2 && a[0] == QLatin1Char('-')) {
            const QChar option = a[1];
            QString* target = option == QLatin1Char('o')   ? &line.output
                              : option == QLatin1Char('e') ? &line.errorFile
                              : option == QLatin1Char('i') ? &line.include
                              : option == QLatin1Char('S') ? &line.stackSize
                                                           : nullptr;
            if (!target) {
                Print(QStringLiteral("sc: option %1 ignored").arg(a));
                continue;
            }
            if (!OptionValue(args, i, *target))
                return QStringLiteral("option -%1 needs a value").arg(option);
            continue;
        }
        if (!line.source.isEmpty())
            return QStringLiteral("more than one source file: \"%1\" and \"%2\"").arg(line.source, a);
        line.source = a;
    }
    if (line.source.isEmpty())
        return QStringLiteral("no source file");
    return QString();
}

bool WriteErrorFile(const QString& path, const QStringList& lines)
{
    if (path.isEmpty())
        return true;
    QByteArray bytes;
    for (const QString& l : lines)
        bytes += Bytes(l) + "\r\n";
#ifdef Q_OS_UNIX
    const int fd = ::open(Bytes(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == ssize_t(bytes.size());
    return ::close(fd) == 0 && written;
#else
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
#endif
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    CommandLine line;
    const QString problem = Parse(Arguments(argc, argv), line);
    if (!problem.isEmpty())
        return Usage(problem);

    const QString base = CurrentFolder();
    const QString source = Absolute(base, line.source);
    QString output = Absolute(base, line.output);
    if (output.isEmpty()) {
        const QFileInfo info(source);
        output = info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".amx");
    }
    QString include = Absolute(base, line.include);
    if (include.isEmpty()) {
        for (const QString& folder : {base + QStringLiteral("/compiler/include"),
                                      FromBytes(QFile::encodeName(QCoreApplication::applicationDirPath()))
                                          + QStringLiteral("/include")}) {
            if (IsFolder(folder)) {
                include = folder;
                break;
            }
        }
    }
    const QString errorFile = Native(line.errorFile);
    const QString sourceName = LogicalName(source, base);

    // Absolute, so a name beginning with "-" is never taken for an option.
    QStringList arguments{source, QStringLiteral("-o"), output};
    if (!include.isEmpty())
        arguments << QStringLiteral("-i") << include;
    if (!line.stackSize.isEmpty())
        arguments << QStringLiteral("-S") << line.stackSize;

    QStringList diagnostics;
    int code = kErrors;
    const QString compiler = FromBytes(QFile::encodeName(QStandardPaths::findExecutable(QLatin1String(kEmbryo))));
    const CompilerRun run = compiler.isEmpty() ? CompilerRun() : RunCompiler(compiler, arguments);
    if (!run.started) {
        const QString why = compiler.isEmpty() ? QStringLiteral("it is not installed (package libembryo-bin)")
                                               : run.whyNot;
        diagnostics << sourceName + QStringLiteral("(0) Fatal [100]: cannot run the Small compiler \"embryo_cc\": ")
                           + why;
    } else {
        QStringList others;
        for (const QByteArray& text : {run.errorText, run.outputText}) {
            for (const QString& l : FromBytes(text).split(QLatin1Char('\n'))) {
                const QString classic = ClassicDiagnostic(l, base);
                if (!classic.isEmpty())
                    diagnostics << classic;
                else if (!l.trimmed().isEmpty())
                    others << l.trimmed();
            }
        }
        if (!run.normalExit) {
            diagnostics << sourceName + QStringLiteral("(0) Fatal [100]: the Small compiler \"embryo_cc\" stopped "
                                                       "unexpectedly");
            code = kErrors;
        } else {
            code = run.exitCode;
            bool anyError = false;
            for (const QString& d : diagnostics)
                anyError = anyError || IsErrorLine(d);
            if (code >= kErrors && !anyError)
                diagnostics << sourceName + QStringLiteral("(0) Fatal [100]: ")
                                   + (others.isEmpty() ? QStringLiteral("the Small compiler failed (exit code %1)")
                                                             .arg(code)
                                                       : others.join(QLatin1Char(' ')));
            if (code < kErrors && !IsFile(output)) {
                diagnostics << sourceName + QStringLiteral("(0) Fatal [101]: no compiled file was written: ")
                                   + LogicalName(output, base);
                code = kErrors;
            }
        }
    }
    for (const QString& d : diagnostics)
        Print(d);
    if (!WriteErrorFile(errorFile, diagnostics))
        Print(QStringLiteral("sc: cannot write the error file %1").arg(errorFile));
    return code;
}
