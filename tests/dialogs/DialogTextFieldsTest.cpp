// The dialogs show names read from files readably and keep their bytes unless
// they are edited.
#include "build/NameList.h"
#include "dialogs/DialogMessage.h"
#include "dialogs/GroupPropertiesDlg.h"
#include "dialogs/QuestPropertiesDlg.h"
#include "helpers/FakeUi.h"
#include "helpers/QtPrinters.h"
#include "helpers/TempBase.h"
#include "map/Group.h"
#include "map/QuestProperties.h"
#include "support/Globals.h"
#include "support/TextCodec.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QLineEdit* Field(QWidget& dialog, const char* id)
{
    auto* field = dialog.findChild<QLineEdit*>(QLatin1String(id));
    EXPECT_NE(field, nullptr) << id;
    return field;
}

} // namespace

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
