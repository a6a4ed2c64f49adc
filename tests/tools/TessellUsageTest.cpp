// The command line's conventions: --help on standard output with exit code 0
// for the program and every command, --version, "--" before a name that
// begins with "-", an unknown command or option named with exit code 2, and
// a picture's format taken from its file's suffix.
#include "tools/ToolRun.h"

#include "helpers/TempBase.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST(TessellUsage, EveryCommandFollowsTheConventions)
{
    CTempBase base(true);
    ASSERT_TRUE(base.CopyShippedWorkspace());
    const struct {
        QList<QByteArray> args;
        int exitCode;
        QByteArray outStart; // what standard output begins with
        QByteArray errStart; // what standard error begins with
    } cases[] = {
        {{"--help"}, 0, "usage: tessell [--base DIR] COMMAND [OPTIONS] NAME...", ""},
        {{"--base"}, 2, "", "tessell: --base needs a folder\n"},
        {{"--version"}, 0, "tessell (Tessellmancery) 2.0\n", ""},
        {{}, 2, "", "tessell: a command is missing\nusage: tessell [--base DIR] COMMAND"},
        {{"bogus"}, 2, "", "tessell: unknown command \"bogus\"\n"},
        {{"--bogus"}, 2, "", "tessell: unknown option \"--bogus\"\n"},
        {{"new", "--help"}, 0, "usage: tessell new NAME\n", ""},
        {{"build", "--help"}, 0, "usage: tessell build [--recompile] QUEST\n", ""},
        {{"check", "--help"}, 0, "usage: tessell check [--format=text|json] QUEST\n", ""},
        {{"map-image", "--help"}, 0, "usage: tessell map-image [--full] QUEST FILE\n", ""},
        {{"previews", "--help"}, 0, "usage: tessell previews QUEST\n", ""},
        {{"demo", "--help"}, 0, "usage: tessell demo [--force]\n", ""},
        {{"qst", "--help"}, 0, "usage: tessell qst list|extract|verify ...\n", ""},
        {{"qst", "extract", "--help"}, 0, "usage: tessell qst extract FILE DIR\n", ""},
        {{"check", "--bogus"}, 2, "", "tessell: unknown option \"--bogus\"\nusage: tessell check"},
        {{"check", "--format=xml", "Demo"}, 2, "", "tessell: unknown format \"xml\" (text or json)\n"},
        {{"check", "Demo", "Even"}, 2, "", "tessell: too many names: \"Even\" is one more than the command takes\n"},
        {{"check", "--", "--help"}, 1, "save\\--help.qss: Couldn't Open Save file for reading\n", ""},
        {{"build", "-x"}, 2, "", "tessell: unknown option \"-x\"\n"},
        {{"map-image", "Demo", "x.jpg"}, 0, "", "Wrote x.jpg: 384 x 192 pixels"},
        {{"map-image", "Demo", "x.xyz"}, 2, "", "tessell: \"x.xyz\" does not end in the suffix of a picture format"},
        {{"new", "--", "-Dash"}, 0, "", "Made quest \"-Dash\""},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunTessell(base.root, c.args);
        const std::string args = c.args.join(' ').toStdString();
        EXPECT_EQ(c.exitCode, run.exitCode) << args << "\n" << run.err.toStdString();
        EXPECT_TRUE(run.out.startsWith(c.outStart)) << args << "\n" << run.out.toStdString();
        EXPECT_TRUE(run.err.startsWith(c.errStart)) << args << "\n" << run.err.toStdString();
        if (c.outStart.isEmpty()) {
            EXPECT_TRUE(run.out.isEmpty()) << args << "\n" << run.out.toStdString();
        }
    }
    // --help made no quest of that name; the picture is what its suffix says.
    EXPECT_FALSE(base.Exists(QStringLiteral("questdata\\--help")));
    EXPECT_TRUE(base.Read(QStringLiteral("x.jpg")).startsWith("\xff\xd8\xff"));
    EXPECT_FALSE(base.Exists(QStringLiteral("x.xyz")));
    EXPECT_TRUE(base.Exists(QStringLiteral("questdata\\-Dash\\sheets.txt")));

    // Started elsewhere, it works in the base directory named.
    CTempBase elsewhere(true);
    const ToolRun made = RunTessell(elsewhere.root, {"--base", QFile::encodeName(base.root), "new", "Moor"});
    EXPECT_EQ(0, made.exitCode) << made.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(base.root + QStringLiteral("/questdata/Moor/sheets.txt")));
    EXPECT_FALSE(QFileInfo::exists(elsewhere.root + QStringLiteral("/questdata")));
}

TEST(TessellUsage, TheCheckSpeaksJsonForTools)
{
    CTempBase base(true);
    ASSERT_TRUE(base.CopyShippedWorkspace());
    base.Write(QStringLiteral("questdata\\Demo\\sheets.txt"), base.Read(QStringLiteral("questdata\\Demo\\sheets.txt"))
                                                                   + "meadow\r\nmeadow\r\n");
    QFile::remove(base.Path(QStringLiteral("questdata\\Demo\\scripts\\group\\1.ves")));
    const ToolRun run = RunTessell(base.root, {"check", "--format=json", "Demo"});
    EXPECT_EQ(1, run.exitCode);
    EXPECT_EQ(QByteArray("{\"quest\": \"Demo\", \"count\": 2, \"problems\": [\n"
                         "  {\"kind\": \"scripts\", \"file\": \"questdata\\\\Demo\\\\scripts\\\\group\\\\1.ves\", "
                         "\"line\": null, \"message\": \"The group's script is missing, the build cannot compile it\"},\n"
                         "  {\"kind\": \"resource-lists\", \"file\": \"questdata\\\\Demo\\\\sheets.txt\", \"line\": 6, "
                         "\"message\": \"Names \\\"meadow\\\" again (first at line 4), so the build puts it into the "
                         "quest file twice\"}\n]}\n"),
              run.out);
    // A byte of a name that is not UTF-8 is the escape of its lone surrogate.
    const ToolRun bytes = RunTessell(base.root, {"check", "--format=json", "Caf\xe9"});
    EXPECT_TRUE(bytes.out.startsWith("{\"quest\": \"Caf\\udce9\", \"count\": 1, \"problems\": [\n  {\"kind\": "
                                     "\"map-file\", \"file\": \"save\\\\Caf\\udce9.qss\""))
        << bytes.out.toStdString();
}
