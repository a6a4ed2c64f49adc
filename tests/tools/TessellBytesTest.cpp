// Names that are not UTF-8 (made on a single-byte system) keep their bytes
// through every road: the command line, the check, the build and its
// compiler, the map image, the archive's extraction and the quest copy.
#include "tools/ToolRun.h"

#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"
#include "quest/Quest.h"
#include "support/io/NativeFolders.h"
#include "support/paths/Globals.h"
#include "support/paths/QuestPaths.h"

#include <QDir>

#include <functional>

#include <gtest/gtest.h>

namespace {

// Demo under the name "Caf\xe9", with the sheet "m\xe9adow", an entity
// "caf\xe9" and a sound "cloche\xe9.wav" its main script plays: every name
// of a single-byte system.
void MakeCafe(const CTempBase& base)
{
    const QByteArray root = QFile::encodeName(base.root) + '/';
    auto move = [&](const QByteArray& from, const QByteArray& to) {
        ASSERT_EQ(0, ::rename((root + from).constData(), (root + to).constData())) << from.toStdString();
    };
    move("questdata/Demo", "questdata/Caf\xe9");
    move("save/Demo.qss", "save/Caf\xe9.qss");
    move("sprite sheets/meadow.bmp", "sprite sheets/m\xe9" "adow.bmp");
    move("sprite sheets/meadow.spt", "sprite sheets/m\xe9" "adow.spt");
    const QByteArray quest = "questdata/Caf\xe9/";
    ASSERT_TRUE(WriteByBytes(base, quest + "sheets.txt", "Outdoors\\\r\nOutdoors\\\r\nOutdoors\\m\xe9" "adow\r\nm\xe9" "adow\r\n"));
    ASSERT_TRUE(WriteByBytes(base, quest + "entitylist.txt", "wisp\r\nwisp\r\ncaf\xe9\r\ncaf\xe9\r\n"));
    ASSERT_TRUE(WriteByBytes(base, quest + "soundlist.txt", "cloche\xe9.wav\r\ncloche\xe9.wav\r\n"));
    ASSERT_TRUE(WriteByBytes(base, "sounds/cloche\xe9.wav", "RIFF"));
    ASSERT_TRUE(WriteByBytes(base, "entities/caf\xe9.ves", "main()\r\n{\r\n}\r\n"));
    ASSERT_TRUE(WriteByBytes(base, quest + "scripts/main/main.ves",
                             "native PlaySound(const name[]);\r\nmain()\r\n{\r\n    PlaySound(\"cloche\xe9.wav\");\r\n}\r\n"));
    ASSERT_TRUE(WriteByBytes(base, quest + "notes \xe9.txt", "kept"));
}

struct BytesStep {
    const char* what;
    std::function<ToolRun()> run;
    int exitCode;
    QByteArray out;              // the whole standard output, when not empty
    QList<QByteArray> present;   // below the base directory, by bytes
    QList<QByteArray> absent;
};

} // namespace

TEST(TessellBytes, NamesThatAreNotUtf8KeepTheirBytesEverywhere)
{
    CTempBase base(true);
    ASSERT_TRUE(base.CopyShippedWorkspace());
    MakeCafe(base);
    const QString root = base.root;
    const BytesStep steps[] = {
        {"new", [&] { return RunTessell(root, {"new", "Cr\xeape"}); }, 0, "",
         {"questdata/Cr\xeape/scripts/main/main.ves", "save/Cr\xeape.qss"}, {"questdata/Cr\xef\xbf\xbdpe"}},
        {"check: the Latin-1 sheet, sound and entity are found, the entity compiles",
         [&] { return RunTessell(root, {"check", "Caf\xe9"}); }, 0, "No problems in the quest \"Caf\xe9\"\n", {}, {}},
        {"build, its compiler given the entity's bytes",
         [&] { return RunTessell(root, {"build", "Caf\xe9"}); }, 0, "",
         {"output/Caf\xe9.qst", "entities/amx/caf\xe9.amx"}, {"entities/amx/caf\xef\xbf\xbd.amx"}},
        {"map-image", [&] { return RunTessell(root, {"map-image", "Caf\xe9", "Caf\xe9.png"}); }, 0, "",
         {"Caf\xe9.png"}, {}},
        {"qst extract", [&] { return RunTessell(root, {"qst", "extract", "output/Caf\xe9.qst", "ex\xe9"}); }, 0,
         "Extracted 24 entries into ex\xe9\n",
         {"ex\xe9/EScaf\xe9.amx", "ex\xe9/m\xe9" "adow.bmp", "ex\xe9/m\xe9" "adow.spt", "ex\xe9/cloche\xe9.wav"}, {}},
        {"quest copy",
         [&] {
             CFakeUi ui;
             CQuest quest(ui, ui, ui);
             quest.files.LoadMapFile(MapFilePath(DecodeText("Caf\xe9")), DecodeText("Caf\xe9"));
             ui.nameAnswers = {QStringLiteral("Copie")};
             quest.build.CopyQuest();
             const bool copied = !ui.messages.empty() && ui.messages.back().text == QLatin1String("Quest Copied!");
             return ToolRun{copied ? 0 : 1, {}, {}};
         },
         0, "", {"questdata/Copie/notes \xe9.txt", "questdata/Copie/sheets.txt", "save/Copie.qss"}, {}},
    };
    for (const BytesStep& step : steps) {
        const ToolRun run = step.run();
        EXPECT_EQ(step.exitCode, run.exitCode) << step.what << "\n" << run.err.toStdString();
        if (!step.out.isEmpty()) {
            EXPECT_EQ(step.out, run.out) << step.what;
        }
        for (const QByteArray& path : step.present)
            EXPECT_TRUE(ExistsByBytes(base, path)) << step.what << ": " << path.toStdString();
        for (const QByteArray& path : step.absent)
            EXPECT_FALSE(ExistsByBytes(base, path)) << step.what << ": " << path.toStdString();
    }
    // Every entry of the archive became a file of its own: no two names met.
    EXPECT_EQ(24u, ListNativeFolder(root + QLatin1Char('/') + DecodeText("ex\xe9")).size());
}
