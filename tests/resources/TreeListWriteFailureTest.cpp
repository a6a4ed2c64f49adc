// A tree list that cannot be rewritten after a change (full disk, missing
// folder, a folder in place of the file): the previous file stays byte for
// byte and the user sees the message.
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"
#include "resources/TreeList.h"
#include "support/io/TextFile.h"
#include "support/paths/Globals.h"

#include <QDir>
#include <QStandardItemModel>

#include <gtest/gtest.h>

namespace {

const QString kSoundList = QStringLiteral("questdata\\Forest\\soundlist.txt");
const QByteArray kOld = "Music\\theme.mid\r\ntheme.mid\r\nSfx\\hit.wav\r\nhit.wav\r\n";

// Every item of the tree, depth first, indented by its depth.
QStringList Items(const QStandardItemModel& model, const QModelIndex& parent = QModelIndex(), int depth = 0)
{
    QStringList items;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        items << QString(depth, QLatin1Char(' ')) + index.data().toString();
        items << Items(model, index, depth + 1);
    }
    return items;
}

TEST(TreeListWriteFailureTest, EveryChangeKeepsTheOldFileWhenItCannotBeWritten)
{
    for (const char* mode : {"half-way", "missing folder", "folder in place"}) {
        for (const char* change : {"add file", "add folder", "remove folder", "remove entry"}) {
            SCOPED_TRACE(std::string(mode) + ", " + change);
            CTempBase base;
            g_questName = QStringLiteral("Forest");
            base.Write(kSoundList, kOld);
            CFakeUi ui;
            QStandardItemModel model;
            CTreeList list(ui);
            list.SetTreeControl(&model);
            ASSERT_EQ(list.Load(kSoundList), 1);
            list.FillTree(QStringLiteral("Sounds"));
            const QStringList shown = Items(model);
            if (QLatin1String(mode) == QLatin1String("missing folder")) {
                QDir(base.Path(QStringLiteral("questdata\\Forest"))).removeRecursively();
            } else if (QLatin1String(mode) == QLatin1String("folder in place")) {
                QFile::remove(base.Path(kSoundList));
                base.Write(kSoundList + QStringLiteral("\\inside"), kOld);
            }
            CTextWriter::FailWritesAfter(QLatin1String(mode) == QLatin1String("half-way") ? 6 : -1);
            CTreeEntry* root = list.RootEntry();
            CTreeEntry* first = list.Entries().Head();
            const QString c = QLatin1String(change);
            if (c == QLatin1String("add file"))
                list.AddFile(root, root->components.Head(), QStringLiteral("town.mod"));
            else if (c == QLatin1String("add folder"))
                list.AddFolder(root, root->components.Head(), QStringLiteral("Ambient"));
            else if (c == QLatin1String("remove folder"))
                list.RemoveFolder(first, first->components.Head());
            else
                list.RemoveEntry(first);
            CTextWriter::FailWritesAfter(-1);
            if (QLatin1String(mode) == QLatin1String("half-way"))
                EXPECT_EQ(base.Read(kSoundList), kOld);
            else if (QLatin1String(mode) == QLatin1String("folder in place"))
                EXPECT_EQ(base.Read(kSoundList + QStringLiteral("\\inside")), kOld);
            else
                EXPECT_FALSE(base.Exists(QStringLiteral("questdata\\Forest")));
            // The tree shows what the file holds.
            EXPECT_EQ(Items(model), shown);
            EXPECT_EQ(list.Entries().Count(), 3);
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].text, QStringLiteral("Couldn't open Tree List"));
            EXPECT_EQ(ui.messages[0].caption, kSoundList);
        }
    }
}

} // namespace
