#include "build/ScriptErrors.h"

#include "build/CompileList.h"
#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"
#include "support/paths/QuestPaths.h"

namespace {
constexpr int kPieceBuffer = 512;
}

QStringList ReadScriptErrors(const QString& logicalPath)
{
    QStringList lines;
    CTextReader file;
    if (!file.Open(logicalPath))
        return lines;
    QByteArray piece;
    while (file.GetLine(piece, kPieceBuffer)) {
        if (piece.contains("Error [") || piece.contains("Fatal ["))
            lines << DisplayBytes(StripLineFeed(piece));
    }
    return lines;
}

QStringList ReadScriptErrors()
{
    return ReadScriptErrors(CompilerErrorFilePath());
}
