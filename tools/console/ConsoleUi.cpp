#include "console/ConsoleUi.h"

#include "build/ScriptErrors.h"
#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"
#include "support/paths/LogicalPath.h"

#include <cstdio>

// Names come out as the bytes they were read as; the rest is UTF-8.
void PrintError(const QString& line)
{
    const QByteArray bytes = EncodeText(line) + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

void PrintOut(const QString& line)
{
    const QByteArray bytes = EncodeText(line) + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

int CConsoleUi::MessageBox(const QString& text, const QString& caption, Buttons buttons)
{
    ++messageCount;
    QString flat = text;
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    PrintError(caption + QStringLiteral(": ") + flat.simplified());
    return QuietAnswer(buttons);
}

int CConsoleUi::ScriptErrorsDialog()
{
    // The errors dialog lists the lines of the compiler's error file that hold
    // an error; here they go to standard error.
    PrintError(QStringLiteral("Error(s) found in script:"));
    for (const QString& line : ReadScriptErrors())
        PrintError(QStringLiteral("  ") + line);
    return AnswerOk;
}

void CConsoleUi::Progress(const QString& step, int done, int total)
{
    if (done >= total)
        return; // the build is over; its outcome follows
    PrintError(QStringLiteral("[%1/%2] %3").arg(done).arg(total).arg(step));
}
