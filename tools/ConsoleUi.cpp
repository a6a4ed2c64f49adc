#include "ConsoleUi.h"

#include "support/LogicalPath.h"
#include "support/TextCodec.h"
#include "support/TextFile.h"

#include <cstdio>

void PrintError(const QString& line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

int CConsoleUi::MessageBox(const QString& text, const QString& caption, Buttons buttons)
{
    ++messageCount;
    QString flat = text;
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    PrintError(caption + QStringLiteral(": ") + flat.simplified());
    switch (buttons) {
    case ButtonsYesNo:
        return AnswerNo;
    case ButtonsYesNoCancel:
        return AnswerCancel;
    default:
        return AnswerOk;
    }
}

int CConsoleUi::ScriptErrorsDialog()
{
    // The errors dialog lists the lines of the compiler's error file that hold
    // an error; here they go to standard error.
    PrintError(QStringLiteral("Error(s) found in script:"));
    CTextReader file;
    if (file.Open(QStringLiteral("compiler\\errors.txt"))) {
        QByteArray piece;
        while (file.GetLine(piece, 512)) {
            if (piece.contains("Error [") || piece.contains("Fatal ["))
                PrintError(QStringLiteral("  ") + DecodeText(StripLineFeed(piece)));
        }
    }
    return AnswerOk;
}

void CConsoleUi::Progress(const QString& step, int done, int total)
{
    if (done >= total)
        return; // the build is over; its outcome follows
    PrintError(QStringLiteral("[%1/%2] %3").arg(done).arg(total).arg(step));
}
