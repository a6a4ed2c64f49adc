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
#include "Diagnostics.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>

namespace {

constexpr int kClean = 0;
constexpr int kErrors = 2;
constexpr int kUsage = 3;
const char kEmbryo[] = "embryo_cc";

void Print(const QString& line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
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
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray bytes;
    for (const QString& l : lines)
        bytes += l.toUtf8() + "\r\n";
    return file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    CommandLine line;
    const QString problem = Parse(QCoreApplication::arguments().mid(1), line);
    if (!problem.isEmpty())
        return Usage(problem);

    const QString base = QDir::currentPath();
    const QString source = Absolute(base, line.source);
    QString output = Absolute(base, line.output);
    if (output.isEmpty()) {
        const QFileInfo info(source);
        output = info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".amx");
    }
    QString include = Absolute(base, line.include);
    if (include.isEmpty()) {
        for (const QString& folder : {base + QStringLiteral("/compiler/include"),
                                      QCoreApplication::applicationDirPath() + QStringLiteral("/include")}) {
            if (QFileInfo(folder).isDir()) {
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
    const QString compiler = QStandardPaths::findExecutable(QLatin1String(kEmbryo));
    QProcess process;
    if (!compiler.isEmpty())
        process.start(compiler, arguments);
    if (compiler.isEmpty() || !process.waitForStarted(-1)) {
        const QString why = compiler.isEmpty() ? QStringLiteral("it is not installed (package libembryo-bin)")
                                               : process.errorString();
        diagnostics << sourceName + QStringLiteral("(0) Fatal [100]: cannot run the Small compiler \"embryo_cc\": ")
                           + why;
    } else {
        process.waitForFinished(-1);
        const QString errorText = QString::fromLocal8Bit(process.readAllStandardError());
        const QString outputText = QString::fromLocal8Bit(process.readAllStandardOutput());
        QStringList others;
        for (const QString& text : {errorText, outputText}) {
            for (const QString& l : text.split(QLatin1Char('\n'))) {
                const QString classic = ClassicDiagnostic(l, base);
                if (!classic.isEmpty())
                    diagnostics << classic;
                else if (!l.trimmed().isEmpty())
                    others << l.trimmed();
            }
        }
        if (process.exitStatus() != QProcess::NormalExit) {
            diagnostics << sourceName + QStringLiteral("(0) Fatal [100]: the Small compiler \"embryo_cc\" stopped "
                                                       "unexpectedly");
            code = kErrors;
        } else {
            code = process.exitCode();
            bool anyError = false;
            for (const QString& d : diagnostics)
                anyError = anyError || IsErrorLine(d);
            if (code >= kErrors && !anyError)
                diagnostics << sourceName + QStringLiteral("(0) Fatal [100]: ")
                                   + (others.isEmpty() ? QStringLiteral("the Small compiler failed (exit code %1)")
                                                             .arg(code)
                                                       : others.join(QLatin1Char(' ')));
            if (code < kErrors && !QFileInfo(output).isFile()) {
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
