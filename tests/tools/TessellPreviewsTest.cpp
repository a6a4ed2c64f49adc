// tessell previews reads the map file with the editor's own reader, so it
// renders exactly the cells the editor loads, whatever the file holds.
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"

#include "quest/Quest.h"
#include "support/paths/Globals.h"
#include "support/paths/QuestPaths.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <functional>

#include <gtest/gtest.h>

TEST(TessellPreviews, RendersTheCellsTheEditorLoads)
{
    CTempBase base;
    {
        CFakeUi ui;
        CQuest quest(ui, ui, ui);
        ASSERT_TRUE(quest.files.NewQuestNamed(QStringLiteral("Forest")));
    }
    // The first cell record's column line is longer than its 32-byte buffer:
    // the rest of that line is passed over, not taken for the row.
    const QByteArray overlong = "3" + QByteArray(40, ' ') + "7\r\n";
    base.Write(QStringLiteral("save\\Forest.qss"),
               "Vantraglen Tessellmancery Map File\r\n2\r\n" + overlong + "1\r\n0\r\n5\r\n6\r\n0\r\n0\r\n0\r\n0\r\n"
               "The Forest\r\n0\r\n1\r\n");
    // A cell shows a screen once its preview loads; a short one will do.
    for (const auto& [column, row] : {std::pair{3, 1}, std::pair{5, 6}}) {
        base.Write(PreviewPath(column, row), "0\r\n");
        base.Write(ScreenFilePath(column, row), "0\r\n0\r\n");
    }
    CFakeUi ui;
    CQuest quest(ui, ui, ui);
    quest.files.LoadMapFile(MapFilePath(QStringLiteral("Forest")), QStringLiteral("Forest"));
    ASSERT_TRUE(quest.map.Cell(3, 1).HoldsScreen());
    ASSERT_TRUE(quest.map.Cell(5, 6).HoldsScreen());
    EXPECT_EQ(2, quest.map.ScreenCount());

    QProcess process;
    process.setWorkingDirectory(base.root);
    process.start(QStringLiteral(TESSELL_BINARY_DIR "/tools/tessell"),
                  {QStringLiteral("previews"), QStringLiteral("Forest")});
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    EXPECT_TRUE(errors.contains(QStringLiteral("Rewrote 2 preview(s)"))) << errors.toStdString();
    for (const auto& [column, row] : {std::pair{3, 1}, std::pair{5, 6}})
        EXPECT_EQ(128 * 96, base.Read(PreviewPath(column, row)).count('\n')) << column << "," << row;
    EXPECT_FALSE(QFileInfo::exists(base.Path(PreviewPath(3, 7))));
}

// A preview is rewritten only from a screen drawn whole; every other keeps the
// only picture left of its screen, and is named.
TEST(TessellPreviews, KeepsThePreviewOfAScreenItCannotDraw)
{
    const QByteArray marked = QByteArray("1\r\n").repeated(128 * 96);
    const QStringList cells = {"1-1", "2-1", "3-1", "1-2", "2-2", "3-2"};
    const struct {
        const char* what;
        std::function<void(const CTempBase&)> apply;
        QStringList kept; // the cells whose previews stay
        int exitCode;
    } cases[] = {
        {"nothing broken", [](const CTempBase&) {}, {}, 0},
        {"a screen file missing",
         [](const CTempBase& b) { QFile::remove(b.Path(QStringLiteral("questdata\\Demo\\screens\\2-1.lnd"))); },
         {"2-1"}, 1},
        {"the sheet bitmap missing",
         [](const CTempBase& b) { QFile::remove(b.Path(QStringLiteral("sprite sheets\\meadow.bmp"))); }, cells, 1},
        {"the sheet bitmap cut short",
         [](const CTempBase& b) {
             QFile bitmap(b.Path(QStringLiteral("sprite sheets\\meadow.bmp")));
             ASSERT_TRUE(bitmap.resize(1000));
         },
         cells, 1},
    };
    for (const auto& c : cases) {
        CTempBase base(true);
        ASSERT_TRUE(base.CopyShippedWorkspace());
        for (const QString& cell : cells)
            base.Write(QStringLiteral("questdata\\Demo\\screens\\%1.bmp").arg(cell), marked);
        c.apply(base);
        QProcess process;
        process.setWorkingDirectory(base.root);
        process.start(QStringLiteral(TESSELL_BINARY_DIR "/tools/tessell"), {QStringLiteral("previews"), QStringLiteral("Demo")});
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(c.exitCode, process.exitCode()) << c.what << "\n" << errors.toStdString();
        for (const QString& cell : cells) {
            const QString preview = QStringLiteral("questdata\\Demo\\screens\\%1.bmp").arg(cell);
            const bool kept = c.kept.contains(cell);
            EXPECT_EQ(kept, base.Read(preview) == marked) << c.what << " " << cell.toStdString();
            EXPECT_EQ(kept, errors.contains(QStringLiteral(", so the preview %1 is left as it is\n").arg(preview)))
                << c.what << " " << cell.toStdString() << "\n" << errors.toStdString();
        }
    }
}
