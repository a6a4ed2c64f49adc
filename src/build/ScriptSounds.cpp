#include "build/ScriptSounds.h"

#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"

QStringList SoundsPlayedBy(const QString& scriptPath)
{
    QStringList sounds;
    CTextReader script;
    if (!script.Open(scriptPath))
        return sounds;
    QByteArray piece;
    while (script.GetLine(piece, 128)) {
        if (!piece.contains("PlaySound("))
            continue;
        const qsizetype open = piece.indexOf('"');
        const qsizetype close = open < 0 ? -1 : piece.indexOf('"', open + 1);
        if (close < 0)
            continue; // no closing quote: no name
        const QString name = DecodeText(piece.mid(open + 1, close - open - 1));
        if (!sounds.contains(name))
            sounds << name;
    }
    return sounds;
}
