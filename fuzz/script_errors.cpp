// The compiler's error file compiler\errors.txt as the script errors dialog
// lists it: only lines that hold "Error [" or "Fatal [", one line each.
#include "FuzzBase.h"

#include "build/CompileList.h"
#include "build/ScriptErrors.h"
#include "support/paths/QuestPaths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    FuzzWrite(CompilerErrorFilePath(), data, size);
    const QStringList lines = ReadScriptErrors();
    FuzzCheck(qsizetype(lines.size()) <= qsizetype(size / 7), "every listed line holds its marker");
    for (const QString& line : lines) {
        FuzzCheck(line.contains(QLatin1String("Error [")) || line.contains(QLatin1String("Fatal [")),
                  "only error lines are listed");
        FuzzCheck(!line.contains(QLatin1Char('\n')), "a listed line is one line");
        FuzzCheck(line.size() <= 511, "a listed line is one piece of at most 511 characters");
    }
    return 0;
}
