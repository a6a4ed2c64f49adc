// Resource tree lists cut short, edited by hand or made elsewhere: the
// entries each gives, what a save then writes, and that nothing read is lost.
#include "helpers/FakeUi.h"
#include "helpers/FileBytes.h"
#include "helpers/QtPrinters.h"
#include "helpers/TempBase.h"

#include "resources/TreeList.h"
#include "support/io/TextCodec.h"
#include "support/paths/Globals.h"

#include <QDir>
#include <QStandardItemModel>

#include <gtest/gtest.h>

namespace {

const QString kFile = QStringLiteral("questdata\\Forest\\entitylist.txt");

QStringList Paths(const CTreeList& list)
{
    QStringList paths;
    for (CTreeEntry* e : list.Entries())
        paths << (e->root                   ? QStringLiteral("<root>")
                  : e->keptLines.isEmpty() ? TreePathLine(*e)
                                           : QStringLiteral("<kept>"));
    return paths;
}

TEST(TreeListBadInputTest, EveryRowGivesItsEntriesAndSavesThemWhole)
{
    const struct {
        const char* name;
        QByteArray file;
        QStringList paths;
        bool logged; // the line the format cannot hold is logged
    } rows[] = {
        {"a path line without its name line", Lines({"A\\x", "x", "B\\y"}), {"A\\x", "B\\y", "<root>"}, false},
        {"an overlong path line is kept unshown with its name line, the pairs stay",
         Lines({QByteArray(300, 'p'), "p", "A\\x", "x"}), {"<kept>", "A\\x", "<root>"}, true},
        {"an overlong component is kept unshown",
         Lines({"A\\" + QByteArray(128, 'c'), "c", "B\\", "B\\"}), {"<kept>", "B\\", "<root>"}, true},
        {"a component of 127 characters is kept", Lines({"A\\" + QByteArray(127, 'c'), "c"}),
         {QStringLiteral("A\\") + QString(127, QLatin1Char('c')), "<root>"}, false},
        {"an empty file", "", {"<root>"}, false},
        {"an empty line is no entry and has no name line", Lines({"", "A\\x", "x"}), {"A\\x", "<root>"}, false},
        {"two backslashes make an empty-named folder", Lines({"A\\\\x", "x"}), {"A\\\\x", "<root>"}, false},
        {"NUL bytes end a line's text", Lines({QByteArray("A\\b\0c", 5), "b"}), {"A\\b", "<root>"}, false},
        {"CR without LF is no line end; a name is written up to its first CR", "A\\x\rx\rB\\", {"A\\x\\", "<root>"},
         false},
        {"LF alone", "A\\x\nx\nB\\\nB\\", {"A\\x", "B\\", "<root>"}, false},
        {"nothing before a first CR: the entry is kept unshown with its name line, the pairs stay",
         Lines({"\rA", "A\\y", "B\\x", "x"}), {"<kept>", "B\\x", "<root>"}, false},
        {"non-UTF-8 names keep their bytes", Lines({"caf\xe9\\b\xe4t", "b\xe4t"}),
         {DecodeText("caf\xe9\\b\xe4t"), "<root>"}, false},
    };
    CTempBase base;
    g_questName = QStringLiteral("Forest");
    CFakeUi ui;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        base.Write(QStringLiteral("ErrorChk.txt"), "");
        base.Write(kFile, row.file);
        QStandardItemModel model;
        CTreeList list(ui);
        list.SetTreeControl(&model);
        ASSERT_EQ(list.Load(kFile), 1);
        list.FillTree(QStringLiteral("Entities"));
        EXPECT_EQ(Paths(list), row.paths);
        EXPECT_EQ(base.Read(QStringLiteral("ErrorChk.txt")).endsWith(
                      "\r\nTree list line too long, entry skipped: questdata\\Forest\\entitylist.txt"),
                  row.logged);
        // Saved and read again, every entry that was read is still there.
        ASSERT_EQ(list.Save(), 1);
        CTreeList again(ui);
        again.SetTreeControl(&model);
        ASSERT_EQ(again.Load(kFile), 1);
        EXPECT_EQ(Paths(again), row.paths);
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST(TreeListBadInputTest, ANonUtf8ListIsSavedByteForByteAndShownAsLatin1)
{
    CTempBase base;
    g_questName = QStringLiteral("Forest");
    CFakeUi ui;
    const QByteArray file = Lines({"caf\xe9\\b\xe4t", "b\xe4t", "caf\xc3\xa9\\", "caf\xc3\xa9\\"});
    base.Write(kFile, file);
    QStandardItemModel model;
    CTreeList list(ui);
    list.SetTreeControl(&model);
    ASSERT_EQ(list.Load(kFile), 1);
    list.FillTree(QStringLiteral("Entities"));
    // The Latin-1 folder and the UTF-8 one look alike and are still two folders.
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.item(1)->text(), QStringLiteral("caf\u00e9"));
    EXPECT_EQ(model.item(1)->child(0)->text(), QStringLiteral("b\u00e4t"));
    EXPECT_EQ(model.item(2)->text(), QStringLiteral("caf\u00e9"));
    ASSERT_EQ(list.Save(), 1);
    EXPECT_EQ(base.Read(kFile), file);
}

TEST(TreeListBadInputTest, AMissingOrFolderListShowsTheMessageAndAnEmptyTree)
{
    CTempBase base;
    g_questName = QStringLiteral("Forest");
    CFakeUi ui;
    QDir().mkpath(base.Path(QStringLiteral("questdata\\Forest")));
    for (bool folder : {false, true}) {
        if (folder)
            QDir().mkpath(base.Path(kFile));
        QStandardItemModel model;
        CTreeList list(ui);
        list.SetTreeControl(&model);
        EXPECT_EQ(list.Load(kFile), 0);
        list.FillTree(QStringLiteral("Entities"));
        EXPECT_EQ(model.rowCount(), 0);
        EXPECT_EQ(list.RootEntry(), nullptr);
    }
    ASSERT_EQ(ui.messages.size(), 2u);
    for (const RecordedMessage& m : ui.messages) {
        EXPECT_EQ(m.text, QStringLiteral("Couldn't open Tree List"));
        EXPECT_EQ(m.caption, kFile);
    }
}

} // namespace
