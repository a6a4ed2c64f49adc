// The resource tree lists: the two-line file format, the merged tree control,
// adding and removing entries.
#include "helpers/FakeUi.h"
#include "helpers/QtPrinters.h"
#include "helpers/TempBase.h"

#include "resources/TreeImages.h"
#include "resources/TreeList.h"
#include "support/io/TextFile.h"

#include <QStandardItemModel>

#include <gtest/gtest.h>

namespace {

const QString kEntityList = QStringLiteral("questdata\\Forest\\entitylist.txt");

// The tree as text: "text[image]" per item, children in braces.
QString Dump(const QStandardItem* item)
{
    QString text = item->text() + QLatin1Char('[') + QString::number(item->data(CTreeList::kImageRole).toInt())
                   + QLatin1Char(']');
    if (item->rowCount() > 0) {
        QStringList children;
        for (int r = 0; r < item->rowCount(); ++r)
            children << Dump(item->child(r));
        text += QLatin1Char('{') + children.join(QLatin1Char(',')) + QLatin1Char('}');
    }
    return text;
}

QString Dump(const QStandardItemModel& model)
{
    QStringList top;
    for (int r = 0; r < model.rowCount(); ++r)
        top << Dump(model.item(r));
    return top.join(QLatin1Char(' '));
}

// The entries as their path lines, root included as "<root>".
QStringList EntryPaths(const CTreeList& list)
{
    QStringList paths;
    for (CTreeEntry* e : list.Entries())
        paths << (e->root                   ? QStringLiteral("<root>")
                  : e->keptLines.isEmpty() ? TreePathLine(*e)
                                           : QStringLiteral("<kept>"));
    return paths;
}

class TreeListTest : public ::testing::Test {
protected:
    CTreeList& Loaded(const QByteArray& bytes, int offset = 0)
    {
        base.Write(kEntityList, bytes);
        list.SetTreeControl(&model);
        list.SetImageOffset(offset);
        EXPECT_EQ(list.Load(kEntityList), 1);
        list.FillTree(QStringLiteral("Entities"));
        return list;
    }

    CTreeEntry* EntryAt(int index) { return list.Entries().At(index); }

    CTempBase base;
    CFakeUi ui;
    CTreeList list{ui};
    QStandardItemModel model;
};

TEST_F(TreeListTest, ReadsEntriesInFileOrderAndAppendsTheRoot)
{
    Loaded("Enemies\\Cave\\bat\r\nbat\r\nBosses\\\r\nBosses\\\r\n");
    EXPECT_EQ(EntryPaths(list), (QStringList{"Enemies\\Cave\\bat", "Bosses\\", "<root>"}));
    const CTreeEntry* bat = EntryAt(0);
    ASSERT_EQ(bat->components.Count(), 3);
    EXPECT_EQ(bat->components.At(0)->folder, 1);
    EXPECT_EQ(bat->components.At(1)->folder, 1);
    EXPECT_EQ(bat->components.At(2)->folder, 0);
    EXPECT_EQ(bat->components.At(2)->entry, bat);
    EXPECT_EQ(bat->root, 0);
    const CTreeEntry* root = list.RootEntry();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root, list.Entries().Tail());
    EXPECT_EQ(root->root, 1);
    ASSERT_EQ(root->components.Count(), 1);
    EXPECT_EQ(root->components.Head()->name, QStringLiteral("\\"));
    EXPECT_EQ(root->components.Head()->folder, 1);
    EXPECT_EQ(Dump(model), QStringLiteral("Entities[0] Enemies[2]{Cave[2]{bat[3]}} Bosses[2]"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TreeListTest, SplitsLinesAsTheFormatSays)
{
    // LF alone is accepted; an empty line is no entry and takes no name line;
    // "\\" makes an empty-named folder; a line of "\" one empty folder.
    Loaded("\nA\\\\x\nx\n\\\n\\\n");
    EXPECT_EQ(EntryPaths(list), (QStringList{"A\\\\x", "\\", "<root>"}));
    EXPECT_EQ(EntryAt(0)->components.At(1)->name, QString());
    EXPECT_EQ(EntryAt(0)->components.At(1)->folder, 1);
    EXPECT_EQ(EntryAt(1)->components.Count(), 1);
    EXPECT_EQ(EntryAt(1)->components.Head()->name, QString());
}

TEST_F(TreeListTest, EmptyFileShowsTheTitleAloneAndSavesEmpty)
{
    Loaded("");
    EXPECT_EQ(EntryPaths(list), QStringList{"<root>"});
    EXPECT_EQ(Dump(model), QStringLiteral("Entities[0]"));
    EXPECT_EQ(CTreeList::ComponentOf(model.item(0)), nullptr);
    EXPECT_EQ(list.Save(), 1);
    EXPECT_EQ(base.Read(kEntityList), QByteArray());
}

TEST_F(TreeListTest, MissingFileShowsTheMessageAndAnEmptyTree)
{
    list.SetTreeControl(&model);
    EXPECT_EQ(list.Load(kEntityList), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Couldn't open Tree List"));
    EXPECT_EQ(ui.messages[0].caption, kEntityList);
    EXPECT_EQ(ui.messages[0].buttons, CUiPort::ButtonsOk);
    EXPECT_EQ(list.RootEntry(), nullptr);
    list.FillTree(QStringLiteral("Entities"));
    EXPECT_EQ(model.rowCount(), 0);
    // Nothing to save: the file is not created.
    EXPECT_EQ(list.Save(), 1);
    EXPECT_FALSE(base.Exists(kEntityList));
    EXPECT_EQ(list.AddFile(nullptr, nullptr, QStringLiteral("bat")), 0);
}

TEST_F(TreeListTest, MergesSharedFoldersOnce)
{
    Loaded("A\\B\\x\r\nx\r\nA\\y\r\ny\r\n");
    EXPECT_EQ(Dump(model), QStringLiteral("Entities[0] A[2]{B[2]{x[3]},y[3]}"));
}

TEST_F(TreeListTest, AFolderEntryKeepsItsItemWhenFilesFollow)
{
    Loaded("A\\\r\nA\\\r\nA\\x\r\nx\r\n");
    EXPECT_EQ(Dump(model), QStringLiteral("Entities[0] A[2]{x[3]}"));
    EXPECT_EQ(CTreeList::ComponentOf(model.item(1)), EntryAt(0)->components.Head());
    EXPECT_EQ(CTreeList::ComponentOf(model.item(1)->child(0)), EntryAt(1)->components.At(1));
}

TEST_F(TreeListTest, NamesCompareCaseSensitively)
{
    Loaded("a\\x\r\nx\r\nA\\x\r\nx\r\nA\\X\r\nX\r\n");
    EXPECT_EQ(Dump(model), QStringLiteral("Entities[0] a[2]{x[3]} A[2]{x[3],X[3]}"));
}

TEST_F(TreeListTest, TheTitleLineIsNeverMatched)
{
    Loaded("Entities\\\r\nEntities\\\r\n");
    EXPECT_EQ(Dump(model), QStringLiteral("Entities[0] Entities[2]"));
}

TEST_F(TreeListTest, ImagesFollowTheOffsetAndWaveNames)
{
    const QByteArray sounds = "theme.mid\r\ntheme.mid\r\nFx\\hit.WAV\r\nhit.WAV\r\nwav.wav\\\r\nwav.wav\\\r\n";
    Loaded(sounds, 4);
    EXPECT_EQ(Dump(model), QStringLiteral("Entities[0] theme.mid[7] Fx[2]{hit.WAV[8]} wav.wav[2]"));
    Loaded("forest\r\nforest\r\nodd.wav\r\nodd.wav\r\n", 2);
    EXPECT_EQ(Dump(model), QStringLiteral("Entities[0] forest[5] odd.wav[6]"));
    Loaded("bat\r\nbat\r\nbat.wav\r\nbat.wav\r\n", 0);
    EXPECT_EQ(Dump(model), QStringLiteral("Entities[0] bat[3] bat.wav[4]"));
    // Every item shows the image its index names.
    const QIcon shown = model.item(2)->icon();
    EXPECT_EQ(shown.pixmap(16, 16).toImage(), list.Images()[4].pixmap(16, 16).toImage());
}

TEST(TreeImagesTest, NineDistinctSixteenPixelImages)
{
    const std::vector<QIcon> images = LoadTreeImages();
    ASSERT_EQ(images.size(), 9u);
    for (size_t i = 0; i < images.size(); ++i) {
        const QImage a = images[i].pixmap(16, 16).toImage();
        ASSERT_FALSE(images[i].isNull()) << i;
        EXPECT_EQ(a.size(), QSize(16, 16)) << i;
        for (size_t j = 0; j < i; ++j)
            EXPECT_NE(a, images[j].pixmap(16, 16).toImage()) << i << " " << j;
    }
}

TEST_F(TreeListTest, AddFileToTheTitleLineMakesATopLevelEntry)
{
    Loaded("A\\x\r\nx\r\n");
    CTreeEntry* root = list.RootEntry();
    ASSERT_EQ(list.AddFile(root, root->components.Head(), QStringLiteral("bat")), 1);
    EXPECT_EQ(base.Read(kEntityList), QByteArray("A\\x\r\nx\r\nbat\r\nbat\r\n"));
    EXPECT_EQ(Dump(model), QStringLiteral("Entities[0] A[2]{x[3]} bat[3]"));
    EXPECT_EQ(CTreeList::ComponentOf(model.item(2)), list.Entries().Tail()->components.Head());
    EXPECT_EQ(list.Entries().Tail()->components.Head()->folder, 0);
}

TEST_F(TreeListTest, AddFileToANestedFolder)
{
    Loaded("A\\B\\\r\nB\\\r\nC\\\r\nC\\\r\n");
    CTreeEntry* ab = EntryAt(0);
    ASSERT_EQ(list.AddFile(ab, ab->components.At(1), QStringLiteral("x")), 1);
    EXPECT_EQ(base.Read(kEntityList), QByteArray("A\\B\\\r\nB\\\r\nC\\\r\nC\\\r\nA\\B\\x\r\nx\r\n"));
    // Merged, not rebuilt: the new item is the last child of B.
    EXPECT_EQ(Dump(model), QStringLiteral("Entities[0] A[2]{B[2]{x[3]}} C[2]"));
    ASSERT_EQ(list.AddFolder(ab, ab->components.At(0), QStringLiteral("D")), 1);
    EXPECT_EQ(base.Read(kEntityList).right(10), QByteArray("A\\D\\\r\nD\\\r\n"));
    EXPECT_EQ(Dump(model), QStringLiteral("Entities[0] A[2]{B[2]{x[3]},D[2]} C[2]"));
}

TEST_F(TreeListTest, AddGoesIntoTheClickedFolderEvenWhenAParentHasItsName)
{
    Loaded("A\\A\\\r\nA\\\r\n");
    CTreeEntry* entry = EntryAt(0);
    // The inner A was clicked.
    ASSERT_EQ(list.AddFile(entry, entry->components.At(1), QStringLiteral("x")), 1);
    EXPECT_EQ(TreePathLine(*list.Entries().Tail()), QStringLiteral("A\\A\\x"));
    EXPECT_EQ(Dump(model), QStringLiteral("Entities[0] A[2]{A[2]{x[3]}}"));
}

TEST_F(TreeListTest, AddRefusesNamesTheFileCannotHold)
{
    Loaded("A\\\r\nA\\\r\n");
    const QByteArray before = base.Read(kEntityList);
    CTreeEntry* a = EntryAt(0);
    for (const QString& name : {QString(), QStringLiteral("x\\y"), QStringLiteral("x\ny"), QStringLiteral("x\ry"),
                                QString(128, QLatin1Char('n'))})
        EXPECT_EQ(list.AddFile(a, a->components.Head(), name), 0) << name.toStdString();
    EXPECT_EQ(base.Read(kEntityList), before);
    EXPECT_EQ(list.Entries().Count(), 2);
    const QByteArray n127(127, 'n');
    EXPECT_EQ(list.AddFolder(a, a->components.Head(), QString::fromLatin1(n127)), 1);
    EXPECT_EQ(base.Read(kEntityList), before + "A\\" + n127 + "\\\r\n" + n127 + "\\\r\n");
    // A path line may not pass 254 characters: A\ + 127 + \ + 127 is too long.
    CTreeEntry* longFolder = list.Entries().Tail();
    EXPECT_EQ(list.AddFile(longFolder, longFolder->components.At(1), QString(127, QLatin1Char('m'))), 0);
    EXPECT_EQ(list.Entries().Count(), 3);
}

TEST_F(TreeListTest, AnEmptyNameMakesAnEmptyNamedFolder)
{
    Loaded("A\\\r\nA\\\r\n");
    CTreeEntry* root = list.RootEntry();
    ASSERT_EQ(list.AddFolder(root, root->components.Head(), QString()), 1);
    CTreeEntry* a = EntryAt(0);
    ASSERT_EQ(list.AddFolder(a, a->components.Head(), QString()), 1);
    CTreeEntry* inner = list.Entries().Tail();
    ASSERT_EQ(list.AddFile(inner, inner->components.At(1), QStringLiteral("x")), 1);
    const QByteArray file = "A\\\r\nA\\\r\n\\\r\n\\\r\nA\\\\\r\n\\\r\nA\\\\x\r\nx\r\n";
    EXPECT_EQ(base.Read(kEntityList), file);
    EXPECT_EQ(Dump(model), QStringLiteral("Entities[0] A[2]{[2]{x[3]}} [2]"));
    // Read back as the same folders.
    CTreeList again(ui);
    ASSERT_EQ(again.Load(kEntityList), 1);
    EXPECT_EQ(EntryPaths(again), (QStringList{"A\\", "\\", "A\\\\", "A\\\\x", "<root>"}));
    EXPECT_EQ(again.Entries().At(1)->components.Head()->folder, 1);
}

TEST_F(TreeListTest, RemoveFolderCutsEveryEntryThroughThatNameAtThatDepth)
{
    Loaded("A\\B\\x\r\nx\r\nC\\B\\z\r\nz\r\nA\\y\r\ny\r\nB\\q\r\nq\r\nA\\B\\\r\nB\\\r\n");
    CTreeEntry* abx = EntryAt(0);
    list.RemoveFolder(abx, abx->components.At(1));
    EXPECT_EQ(base.Read(kEntityList), QByteArray("A\\\r\nA\\\r\nC\\\r\nC\\\r\nA\\y\r\ny\r\nB\\q\r\nq\r\nA\\\r\nA\\\r\n"));
    EXPECT_EQ(Dump(model), QStringLiteral("Entities[0] A[2]{y[3]} C[2] B[2]{q[3]}"));
}

TEST_F(TreeListTest, RemoveFolderAtTheTopDropsEntriesCutToNothing)
{
    Loaded("A\\x\r\nx\r\nB\\y\r\ny\r\nA\\\r\nA\\\r\n");
    CTreeEntry* ax = EntryAt(0);
    list.RemoveFolder(ax, ax->components.Head());
    EXPECT_EQ(base.Read(kEntityList), QByteArray("B\\y\r\ny\r\n"));
    EXPECT_EQ(Dump(model), QStringLiteral("Entities[0] B[2]{y[3]}"));
    // The root folder removes nothing.
    list.RemoveFolder(list.RootEntry(), list.RootEntry()->components.Head());
    EXPECT_EQ(base.Read(kEntityList), QByteArray("B\\y\r\ny\r\n"));
}

TEST_F(TreeListTest, RemoveEntryRemovesOneEntryButNeverTheRoot)
{
    Loaded("A\\x\r\nx\r\nA\\y\r\ny\r\n");
    list.RemoveEntry(EntryAt(0));
    EXPECT_EQ(base.Read(kEntityList), QByteArray("A\\y\r\ny\r\n"));
    EXPECT_EQ(Dump(model), QStringLiteral("Entities[0] A[2]{y[3]}"));
    list.RemoveEntry(list.RootEntry());
    ASSERT_NE(list.RootEntry(), nullptr);
    EXPECT_EQ(list.Entries().Tail(), list.RootEntry());
    EXPECT_EQ(list.AddFile(list.RootEntry(), list.RootEntry()->components.Head(), QStringLiteral("z")), 1);
    EXPECT_EQ(base.Read(kEntityList), QByteArray("A\\y\r\ny\r\nz\r\nz\r\n"));
}

TEST_F(TreeListTest, WriteThenReadGivesTheSameEntries)
{
    const QByteArray bytes = "Enemies\\Cave\\bat\r\nbat\r\nBosses\\\r\nBosses\\\r\nslime\r\nslime\r\n"
                             "Enemies\\\\odd\r\nodd\r\nEnemies\\Cave\\\r\nCave\\\r\n";
    Loaded(bytes);
    const QStringList before = EntryPaths(list);
    base.Write(kEntityList, "garbage");
    ASSERT_EQ(list.Save(), 1);
    EXPECT_EQ(base.Read(kEntityList), bytes);
    CTreeList again(ui);
    ASSERT_EQ(again.Load(kEntityList), 1);
    EXPECT_EQ(EntryPaths(again), before);
}

TEST_F(TreeListTest, OverlongLinesKeepPathAndNameLinesPaired)
{
    const QByteArray longPath = QByteArray(300, 'p');
    const QByteArray longComponent = QByteArray(128, 'c') + "\\x";
    Loaded(longPath + "\r\n" + longPath + "\r\nA\\x\r\nx\r\n" + longComponent + "\r\nx\r\nB\\y\r\ny\r\n");
    EXPECT_EQ(EntryPaths(list), (QStringList{"<kept>", "A\\x", "<kept>", "B\\y", "<root>"}));
    // The longest lines the format allows are read whole.
    const QByteArray longest = QByteArray(127, 'a') + "\\" + QByteArray(126, 'b');
    ASSERT_EQ(longest.size(), 254);
    Loaded(longest + "\r\n" + QByteArray(126, 'b') + "\r\nC\\z\r\nz\r\n");
    EXPECT_EQ(EntryPaths(list), (QStringList{QString::fromLatin1(longest), "C\\z", "<root>"}));
}

TEST_F(TreeListTest, AMissingLastNameLineEndsTheReading)
{
    Loaded("A\\x\r\nx\r\nB\\y\r\n");
    EXPECT_EQ(EntryPaths(list), (QStringList{"A\\x", "B\\y", "<root>"}));
}

TEST_F(TreeListTest, SaveFailureShowsTheMessageAndKeepsTheFile)
{
    Loaded("A\\x\r\nx\r\n");
    CTextWriter::FailWritesAfter(3);
    CTreeEntry* root = list.RootEntry();
    // The tree shows what the file holds: the entry the file did not take goes.
    EXPECT_EQ(list.AddFile(root, root->components.Head(), QStringLiteral("bat")), 0);
    CTextWriter::FailWritesAfter(-1);
    EXPECT_EQ(base.Read(kEntityList), QByteArray("A\\x\r\nx\r\n"));
    EXPECT_EQ(EntryPaths(list), (QStringList{"A\\x", "<root>"}));
    EXPECT_EQ(Dump(model), QStringLiteral("Entities[0] A[2]{x[3]}"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Couldn't open Tree List"));
    EXPECT_EQ(ui.messages[0].caption, kEntityList);
}

} // namespace
