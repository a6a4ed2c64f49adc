#pragma once
// Runs the command-line tool the build made in a base directory, with
// arguments given as bytes, and keeps what it printed as bytes.
#include "helpers/TempBase.h"
#include "support/io/TextCodec.h"

#include <QByteArray>
#include <QList>
#include <QProcess>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// QProcess hands arguments on through QFile::encodeName, which cannot carry a
// byte that is not UTF-8: the child execs the tool itself, with the bytes.
inline ToolRun RunTessell(const QString& folder, QList<QByteArray> args,
                          const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    static const QByteArray program = TESSELL_BINARY_DIR "/tools/tessell";
    args.prepend(program);
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    QList<QByteArray> variables;
    for (const QString& variable : environment.toStringList())
        variables << variable.toLocal8Bit();
    std::vector<char*> envp;
    for (QByteArray& v : variables)
        envp.push_back(v.data());
    envp.push_back(nullptr);
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setChildProcessModifier([&argv, &envp] { ::execve(program.constData(), argv.data(), envp.data()); });
    process.start(QString::fromUtf8(program), {});
    process.waitForFinished(300000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

// What the tool printed, as text.
struct ToolText {
    int exitCode = -1;
    QString out;
    QString err;
};

// The tool run in a base directory with arguments that are text.
inline ToolText Tessell(const CTempBase& base, const QStringList& args,
                        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QList<QByteArray> bytes;
    for (const QString& a : args)
        bytes << a.toUtf8();
    const ToolRun run = RunTessell(base.root, bytes, environment);
    return {run.exitCode, QString::fromUtf8(run.out), QString::fromUtf8(run.err)};
}

// Makes a file (and the folders above it) whose path is given as bytes.
inline bool WriteByBytes(const CTempBase& base, const QByteArray& relative, const QByteArray& content)
{
    const QByteArray path = QFile::encodeName(base.root) + '/' + relative;
    for (qsizetype slash = path.indexOf('/', 1); slash > 0; slash = path.indexOf('/', slash + 1))
        ::mkdir(path.left(slash).constData(), 0777);
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, content.constData(), size_t(content.size())) == ssize_t(content.size());
    return ::close(fd) == 0 && written;
}

inline bool ExistsByBytes(const CTempBase& base, const QByteArray& relative)
{
    return ::access((QFile::encodeName(base.root) + '/' + relative).constData(), F_OK) == 0;
}
