// The recently used quests of the File menu: the four last opened, newest
// first, kept in the settings; each opens as Open opens a chosen file, and one
// whose map file has gone is taken off the list with a message.
#include "document/QuestDoc.h"
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"
#include "support/paths/Globals.h"
#include "support/platform/RecentFiles.h"
#include "support/platform/Settings.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST(RecentQuests, TheLastFourOpenedOpenAsOpenDoesAndOneThatHasGoneIsTakenOff)
{
    CTempBase base;
    CFakeUi ui;
    CQuestDoc doc(ui);
    for (const QString& file : RecentFiles())
        RemoveRecentFile(file);
    for (const char* quest : {"A", "B", "C", "D", "E"})
        ASSERT_TRUE(doc.quest.files.NewQuestNamed(QLatin1String(quest)));
    const QString asked = QStringLiteral("Do you want to save the current quest?");
    const struct {
        int command;
        const char* chosen; // the map file chosen in Open, or one removed before a recent file is opened
        int answer;         // to the question about saving
        const char* quest;  // the quest open afterwards
        const char* recent; // the list afterwards, newest first
    } rows[] = {
        {ID_OPEN_QUEST, "A", CFakeUi::AnswerNo, "A", "A"},
        {ID_OPEN_QUEST, "B", CFakeUi::AnswerNo, "B", "B A"},
        {ID_OPEN_QUEST, "C", CFakeUi::AnswerNo, "C", "C B A"},
        {ID_OPEN_QUEST, "A", CFakeUi::AnswerNo, "A", "A C B"}, // once, at the top
        {ID_OPEN_QUEST, "D", CFakeUi::AnswerNo, "D", "D A C B"},
        {ID_OPEN_QUEST, "E", CFakeUi::AnswerNo, "E", "E D A C"}, // the oldest of five goes
        {ID_FILE_MRU_FILE4, nullptr, CFakeUi::AnswerNo, "C", "C E D A"},
        {ID_FILE_MRU_FILE4, nullptr, CFakeUi::AnswerCancel, "C", "C E D A"},
        {ID_FILE_MRU_FILE3, "D", CFakeUi::AnswerNo, "C", "C E A"}, // its map file has gone
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.recent);
        ui.messages.clear();
        ui.messageAnswers = {r.answer};
        const QString chosen = base.Path(QStringLiteral("save\\%1.qss").arg(QLatin1String(r.chosen)));
        const bool gone = r.command != ID_OPEN_QUEST && r.chosen;
        if (gone)
            QFile::remove(chosen);
        else
            ui.fileAnswers = {chosen};
        doc.OnCommand(r.command);
        EXPECT_EQ(QLatin1String(r.quest), g_questName);
        QStringList recent;
        for (const QString& file : RecentFiles())
            recent << QFileInfo(file).baseName();
        EXPECT_EQ(QString::fromLatin1(r.recent).split(QLatin1Char(' ')), recent);
        ASSERT_EQ(1u, ui.messages.size());
        EXPECT_EQ(gone ? chosen + QStringLiteral(": This map file is no longer there; it is taken off the recent files")
                       : QStringLiteral("Attention: ") + asked,
                  ui.messages[0].caption + QStringLiteral(": ") + ui.messages[0].text);
    }
    // The framework's entries of the settings, the newest first.
    EXPECT_EQ(base.Path(QStringLiteral("save\\C.qss")),
              ReadSetting(QStringLiteral("Recent File List"), QStringLiteral("File1"), QString()).toString());
    EXPECT_FALSE(ReadSetting(QStringLiteral("Recent File List"), QStringLiteral("File4"), QVariant()).isValid());
}
