// Copies of the shipped Demo, each broken one way, as a new user would break
// them: what `tessell check` says of each (the exact lines, FILE:LINE where the
// reader knows the line) beside what `tessell build` then does.
#include "tools/ToolRun.h"

#include "helpers/TempBase.h"

#include <QDir>
#include <QFile>

#include <functional>

#include <gtest/gtest.h>

namespace {

const QString kDemo = QStringLiteral("questdata\\Demo\\");

void Replace(const CTempBase& base, const QString& logical, const QByteArray& from, const QByteArray& to)
{
    QByteArray bytes = base.Read(logical);
    ASSERT_TRUE(bytes.contains(from)) << logical.toStdString() << ": " << from.toStdString();
    base.Write(logical, bytes.replace(from, to));
}

void KeepLines(const CTempBase& base, const QString& logical, int lines)
{
    const QList<QByteArray> all = base.Read(logical).split('\n');
    base.Write(logical, all.mid(0, lines).join('\n') + '\n');
}

void Append(const CTempBase& base, const QString& logical, const QByteArray& bytes)
{
    base.Write(logical, base.Read(logical) + bytes);
}

struct Damage {
    const char* what;
    std::function<void(const CTempBase&)> apply;
    QStringList check;   // every line the check prints but the count line
    int buildExit;       // -1: what the build does is not this table's
    QString buildLine;   // a line the build prints on standard error
};

} // namespace

TEST(TessellDamage, TheCheckNamesWhatTheBuildHits)
{
    const QString shortBitmap = QStringLiteral("The bitmap ends early: its headers promise 49206 bytes, the file holds 1000");
    const Damage cases[] = {
        {"the sheet bitmap cut to 1000 bytes: one line, not the sprite codes",
         [](const CTempBase& b) {
             QFile bitmap(b.Path(QStringLiteral("sprite sheets\\meadow.bmp")));
             ASSERT_TRUE(bitmap.resize(1000));
         },
         {"sprite sheets\\meadow.bmp: " + shortBitmap}, 1, "sprite sheets\\meadow.bmp: " + shortBitmap},
        {"the sheet bitmap gone: one line, not the sprite codes",
         [](const CTempBase& b) { QFile::remove(b.Path(QStringLiteral("sprite sheets\\meadow.bmp"))); },
         {kDemo + "sheets.txt:4: Names \"meadow\", but there is no file sprite sheets\\meadow.bmp"}, -1, ""},
        {"the map file cut to 37 lines",
         [](const CTempBase& b) { KeepLines(b, QStringLiteral("save\\Demo.qss"), 37); },
         {"save\\Demo.qss:37: The map file ends early at line 37, before the quest's full name"}, 1,
         "save\\Demo.qss: The map file ends early at line 37, before the quest's full name. Save the quest to "
         "write the map file whole, then build again."},
        {"a preview cut to 100 lines",
         [](const CTempBase& b) { KeepLines(b, kDemo + "screens\\2-1.bmp", 100); },
         {kDemo + "screens\\2-1.bmp:100: The preview ends early at line 100, a preview holds 12288 lines: the rest "
                  "of the map's picture of this screen is black"},
         0, ""},
        {"a screen file whose count promises three sprites more than it holds",
         [](const CTempBase& b) { Replace(b, kDemo + "screens\\2-1.lnd", "6\r\n80\r\n", "9\r\n80\r\n"); },
         {kDemo + "screens\\2-1.lnd:41: The screen file ends early at line 41, before fill 1 of 64"}, 0, ""},
        {"a screen file cut in its third sprite",
         [](const CTempBase& b) { KeepLines(b, kDemo + "screens\\2-1.lnd", 10); },
         {kDemo + "screens\\2-1.lnd:10: The screen file ends early at line 10, before sprite 3 of 6"}, 0, ""},
        {"output\\temp a file",
         [](const CTempBase& b) {
             QDir(b.Path(QStringLiteral("output\\temp"))).removeRecursively();
             b.Write(QStringLiteral("output\\temp"), "");
         },
         {"output\\temp: Is a file where the build needs a folder, so the build cannot write the lists for the engine"},
         1, "output\\temp\\entities.txt: Couldn't create the list file for the engine"},
        {"output\\temp and the amx folders gone: the build makes them",
         [](const CTempBase& b) {
             for (const char* folder : {"output/temp", "entities/amx", "questdata/Demo/scripts/screen/amx",
                                        "questdata/Demo/scripts/group/amx", "questdata/Demo/scripts/main/amx"})
                 QDir(b.root + QLatin1Char('/') + QLatin1String(folder)).removeRecursively();
         },
         {}, 0, ""},
        {"output\\Demo.qst a folder",
         [](const CTempBase& b) { QDir().mkpath(b.root + QStringLiteral("/output/Demo.qst")); },
         {"output\\Demo.qst: Is a folder, so the build cannot write the quest file"}, 1,
         "Error: Could not write QST file"},
        {"an error in the main script, printed once by the build",
         [](const CTempBase& b) { Replace(b, kDemo + "scripts\\main\\main.ves", "started + 0", "b"); },
         {kDemo + "scripts\\main\\main.ves:11: Error [017]: undefined symbol \"b\""}, 1,
         "  " + kDemo + "scripts\\main\\main.ves(11) Error [017]: undefined symbol \"b\""},
        {"no compiler",
         [](const CTempBase& b) { QFile::remove(b.Path(QStringLiteral("compiler\\sc"))); },
         {"compiler\\sc: Couldn't find or run the Compiler!"}, 1, "sc.exe: Couldn't find or run the Compiler!"},
        {"no compiler, but every script up to date: none is compiled",
         [](const CTempBase& b) {
             ASSERT_EQ(0, RunTessell(b.root, {"build", "Demo"}).exitCode);
             QFile::remove(b.Path(QStringLiteral("compiler\\sc")));
         },
         {}, 0, ""},
        {"a sound played that the sound list leaves out; the other strings and a comment are no sounds",
         [](const CTempBase& b) {
             b.Write(QStringLiteral("sounds\\chime.wav"), "RIFF");
             Replace(b, kDemo + "scripts\\main\\main.ves", "main()\n{\n",
                     "native PlaySound(const name[]);\n// PlaySound(\"ghost.wav\")\nmain()\n{\n"
                     "    new msg[] = \"hello\"; PlaySound (\"chime.wav\");\n");
         },
         {kDemo + "scripts\\main\\main.ves:12: Plays the sound \"chime.wav\", which the quest's sound list "
                  "questdata\\Demo\\soundlist.txt does not name, so the build leaves it out of the quest file"},
         0, ""},
        {"the sheet list ends with a path line alone",
         [](const CTempBase& b) { Append(b, kDemo + "sheets.txt", "Extra\r\n"); },
         {kDemo + "sheets.txt:5: The list ends after this path line, without its name line, so the entry is left "
                  "out"},
         0, ""},
        {"the sheet listed twice",
         [](const CTempBase& b) { Append(b, kDemo + "sheets.txt", "meadow\r\nmeadow\r\n"); },
         {kDemo + "sheets.txt:6: Names \"meadow\" again (first at line 4), so the build puts it into the quest file "
                  "twice"},
         0, ""},
        {"a folder entry longer than the managers read",
         [](const CTempBase& b) {
             const QByteArray folder = QByteArray(130, 'f') + "\\";
             Append(b, kDemo + "entitylist.txt", folder + "\r\n" + folder + "\r\n");
         },
         {kDemo + "entitylist.txt:5: The path line is longer than the resource managers read (254 characters, 127 "
                  "for a folder or file name), so they leave the entry out"},
         0, ""},
        {"an empty line where a path line belongs",
         [](const CTempBase& b) {
             b.Write(QStringLiteral("sounds\\thud.wav"), "RIFF");
             b.Write(kDemo + "soundlist.txt", "\r\nthud.wav\r\n");
         },
         {kDemo + "soundlist.txt:1: An empty line stands where a path line belongs: the resource managers pass "
                  "over it and pair the lines after it the other way round"},
         0, ""},
        {"a second sheet defines the sprite tree",
         [](const CTempBase& b) {
             QFile::copy(b.Path(QStringLiteral("sprite sheets\\meadow.bmp")), b.root + "/sprite sheets/forest.bmp");
             b.Write(QStringLiteral("sprite sheets\\forest.spt"),
                     "Forest\r\n[BACKGROUND]\r\ntree\r\n0\r\n0\r\n32\r\n48\r\n\r\nFALSE\r\n255\r\n[EE]\r\n");
             Append(b, kDemo + "sheets.txt", "forest\r\nforest\r\n");
         },
         {"sprite sheets\\forest.spt:3: Sprite code \"tree\" is defined by sprite sheets\\meadow.spt too (line 58), "
          "which is searched first, so screens never show this one"},
         0, ""},
    };
    for (const Damage& c : cases) {
        CTempBase base(true);
        ASSERT_TRUE(base.CopyShippedWorkspace());
        c.apply(base);
        const QByteArray mapBefore = base.Read(QStringLiteral("save\\Demo.qss"));
        const ToolRun check = RunTessell(base.root, {"check", "Demo"});
        QStringList expected = c.check;
        expected << (c.check.isEmpty() ? QStringLiteral("No problems in the quest \"Demo\"")
                                       : QStringLiteral("%1 problem%2 in the quest \"Demo\"")
                                             .arg(c.check.size())
                                             .arg(c.check.size() == 1 ? "" : "s"));
        EXPECT_EQ(expected, QString::fromUtf8(check.out).split('\n', Qt::SkipEmptyParts)) << c.what;
        EXPECT_EQ(c.check.isEmpty() ? 0 : 1, check.exitCode) << c.what;
        if (c.buildExit < 0)
            continue;
        const ToolRun build = RunTessell(base.root, {"build", "Demo"});
        EXPECT_EQ(c.buildExit, build.exitCode) << c.what << "\n" << build.err.toStdString();
        const QStringList lines = QString::fromUtf8(build.err).split('\n');
        if (!c.buildLine.isEmpty()) {
            // Said once, never again through what the compiler printed itself.
            EXPECT_EQ(1, lines.filter(c.buildLine.trimmed()).size()) << c.what << "\n" << build.err.toStdString();
            EXPECT_TRUE(lines.contains(c.buildLine)) << c.what << "\n" << build.err.toStdString();
        }
        if (c.buildExit != 0) {
            EXPECT_EQ(mapBefore, base.Read(QStringLiteral("save\\Demo.qss"))) << c.what; // never rewritten
        }
    }
}
