// The dialogs' text fields hold one line whatever is pasted into them, show
// names read from files readably and keep their bytes unless they are edited.
#include "build/NameList.h"
#include "dialogs/DialogMessage.h"
#include "dialogs/GroupDimensionsDlg.h"
#include "dialogs/GroupPropertiesDlg.h"
#include "dialogs/MoveScreenDlg.h"
#include "dialogs/NameEntryDlg.h"
#include "dialogs/QuestNameDlg.h"
#include "dialogs/QuestPropertiesDlg.h"
#include "helpers/FakeUi.h"
#include "helpers/QtPrinters.h"
#include "helpers/TempBase.h"
#include "quest/Group.h"
#include "quest/QuestProperties.h"
#include "support/io/TextCodec.h"
#include "support/paths/Globals.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

namespace {

void Paste(QLineEdit* field, const QString& text)
{
    field->clear();
    field->setFocus();
    QApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

QLineEdit* Field(QWidget& dialog, const char* id)
{
    auto* field = dialog.findChild<QLineEdit*>(QLatin1String(id));
    EXPECT_NE(field, nullptr) << id;
    return field;
}

} // namespace

TEST(DialogTextFields, EveryFieldOfEveryDialogTakesOneLineOfWhatIsPastedOrSet)
{
    QuestProperties properties;
    CGroup group;
    const struct {
        const char* name;
        std::function<std::unique_ptr<QDialog>()> make;
        int fields;
    } dialogs[] = {
        {"Quest Properties", [&] { return std::make_unique<CQuestPropertiesDlg>(&properties); }, 3},
        {"Edit Group's dimensions", [&] { return std::make_unique<CGroupDimensionsDlg>(&group); }, 4},
        {"Move/Copy Screen", [] { return std::make_unique<CMoveScreenDlg>(); }, 2},
        {"Enter Quest Name", [] { return std::make_unique<CQuestNameDlg>(); }, 1},
        {"Name entry", [] { return std::make_unique<CNameEntryDlg>(); }, 1},
    };
    for (const auto& row : dialogs) {
        SCOPED_TRACE(row.name);
        std::unique_ptr<QDialog> dialog = row.make();
        dialog->show();
        const QList<QLineEdit*> fields = dialog->findChildren<QLineEdit*>();
        EXPECT_EQ(fields.size(), row.fields);
        for (QLineEdit* field : fields) {
            SCOPED_TRACE(field->objectName().toStdString());
            Paste(field, QStringLiteral("1\n2"));
            EXPECT_EQ(field->text(), QStringLiteral("1"));
            field->setText(QStringLiteral("3\r\n4"));
            EXPECT_EQ(field->text(), QStringLiteral("3"));
            field->setText(QStringLiteral("5") + QChar(0) + QStringLiteral("6"));
            EXPECT_EQ(field->text(), QStringLiteral("5"));
        }
    }
}

TEST(DialogTextFields, APastedQuestNameWithALineBreakIsStoredUpToIt)
{
    QuestProperties properties;
    properties.finalVersion = 1;
    properties.includeSound = 0;
    CQuestPropertiesDlg dialog(&properties);
    dialog.show();
    Paste(Field(dialog, "1008"), QStringLiteral("Ravens\nof Orl"));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(properties.fullName, QStringLiteral("Ravens"));
    EXPECT_EQ(properties.finalVersion, 1);
    EXPECT_EQ(properties.includeSound, 0);
}

TEST(DialogTextFields, AQuestNameReadInLatin1IsShownAsLatin1AndKeptUnlessEdited)
{
    const QString kept = DecodeText("For\xeat");
    for (bool edit : {false, true}) {
        SCOPED_TRACE(edit ? "edited" : "untouched");
        QuestProperties properties;
        properties.fullName = kept;
        CQuestPropertiesDlg dialog(&properties);
        dialog.show();
        EXPECT_EQ(Field(dialog, "1008")->text(), QStringLiteral("For\u00eat"));
        if (edit)
            QTest::keyClicks(Field(dialog, "1008"), QStringLiteral("s"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
        EXPECT_EQ(EncodeText(properties.fullName), edit ? QByteArray("For\xc3\xaats") : QByteArray("For\xeat"));
    }
}

TEST(DialogTextFields, MusicNamedInLatin1IsShownAsLatin1AndStoredAsItsBytes)
{
    CTempBase base;
    g_questName = QStringLiteral("Forest");
    base.Write(QStringLiteral("questdata\\Forest\\soundlist.txt"), "th\xe8me.mid\r\nth\xe8me.mid\r\n");
    CFakeUi ui;
    CGroupList groups;
    CNameList sounds;
    CGroup* group = groups.Append(std::make_unique<CGroup>());
    group->music = DecodeText("th\xe8me.mid");
    CGroupPropertiesDlg dialog(group, &groups, &sounds, &ui);
    dialog.show();
    auto* music = dialog.findChild<QComboBox*>(QStringLiteral("1021"));
    ASSERT_NE(music, nullptr);
    ASSERT_EQ(music->count(), 2);
    EXPECT_EQ(music->currentIndex(), 1);
    EXPECT_EQ(music->itemText(1), QStringLiteral("th\u00e8me.mid"));
    group->music.clear();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
    EXPECT_EQ(EncodeText(group->music), QByteArray("th\xe8me.mid"));
    EXPECT_TRUE(ui.messages.empty());
}
