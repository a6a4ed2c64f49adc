#include "dialogs/AboutDlg.h"
#include "dialogs/DialogMessage.h"
#include "dialogs/QuestNameDlg.h"
#include "dialogs/StartDlg.h"
#include "document/QuestDoc.h"
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
// Records the dialogs' own message boxes instead of showing them.
struct MessageRecorder {
    QStringList texts;
    QStringList captions;
    MessageRecorder()
    {
        SetMessageShower([this](QWidget*, const QString& text, const QString& caption, QMessageBox::StandardButtons) {
            texts << text;
            captions << caption;
            return int(QMessageBox::Ok);
        });
    }
    ~MessageRecorder() { SetMessageShower(nullptr); }
};

template <class T>
T* Control(QWidget& dialog, const char* id)
{
    T* control = dialog.findChild<T*>(QLatin1String(id));
    EXPECT_NE(nullptr, control) << id;
    return control;
}
} // namespace

TEST(QuestNameDlg, RefusesAnEmptyNameAndStaysOpen)
{
    MessageRecorder messages;
    CQuestNameDlg dialog;
    EXPECT_EQ(QStringLiteral("Enter Quest Name"), dialog.windowTitle());
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_EQ(QStringLiteral("Enter a name for your quest:"), Control<QLabel>(dialog, "1059")->text());
        EXPECT_EQ(64, Control<QLineEdit>(dialog, "1008")->maxLength());
        QTest::mouseClick(Control<QPushButton>(dialog, "1"), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClicks(Control<QLineEdit>(dialog, "1008"), QStringLiteral("2nd Forest"));
        QTest::mouseClick(Control<QPushButton>(dialog, "1"), Qt::LeftButton);
    });
    EXPECT_EQ(QDialog::Accepted, dialog.exec());
    EXPECT_EQ(QStringLiteral("2nd Forest"), dialog.name); // a leading digit is allowed
    EXPECT_EQ(QStringList{QStringLiteral("That is not a valid Quest Name")}, messages.texts);
    EXPECT_EQ(QStringList{QStringLiteral("Error")}, messages.captions);
}

TEST(QuestNameDlg, CancelEndsWithTheCancelResult)
{
    CQuestNameDlg dialog;
    QTimer::singleShot(0, &dialog, [&] { QTest::mouseClick(Control<QPushButton>(dialog, "2"), Qt::LeftButton); });
    EXPECT_EQ(QDialog::Rejected, dialog.exec());
}

TEST(StartDlg, ShowsItsButtonsWithTheirTooltips)
{
    CTempBase base;
    CFakeUi ui;
    CQuestDoc doc(ui);
    CStartDlg dialog(doc);
    EXPECT_EQ(QStringLiteral("Vantraglen Tessellmancery"), dialog.windowTitle());
    EXPECT_EQ(QStringLiteral("Create a &new Quest"), Control<QPushButton>(dialog, "1006")->text());
    EXPECT_EQ(QStringLiteral("Create a new quest"), Control<QPushButton>(dialog, "1006")->toolTip());
    EXPECT_EQ(QStringLiteral("&Open an existing Quest"), Control<QPushButton>(dialog, "1005")->text());
    EXPECT_EQ(QStringLiteral("Open an existing quest"), Control<QPushButton>(dialog, "1005")->toolTip());
    EXPECT_EQ(QStringLiteral("E&xit"), Control<QPushButton>(dialog, "1007")->text());
    EXPECT_EQ(QStringLiteral("Exit the Tessellmancery"), Control<QPushButton>(dialog, "1007")->toolTip());
}

TEST(StartDlg, CancelledPromptsAndTheCloseBoxKeepItOpenUntilExit)
{
    CTempBase base;
    CFakeUi ui;
    CQuestDoc doc(ui);
    CStartDlg dialog(doc);
    QTimer::singleShot(0, &dialog, [&] {
        QTest::mouseClick(Control<QPushButton>(dialog, "1006"), Qt::LeftButton); // name prompt cancelled
        QTest::mouseClick(Control<QPushButton>(dialog, "1005"), Qt::LeftButton); // file dialog cancelled
        dialog.close();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible());
        QTest::mouseClick(Control<QPushButton>(dialog, "1007"), Qt::LeftButton);
    });
    EXPECT_EQ(CStartDlg::ExitChosen, dialog.exec());
    EXPECT_EQ(4002, int(CStartDlg::ExitChosen));
    EXPECT_EQ((QStringList{QStringLiteral("AskQuestName"),
                           QStringLiteral("ChooseOpenFile(*.qss|save\\*.qss|QSS files (*.qss)|*.qss|All Files (*.*)|*.*||)")}),
              ui.calls);
}

TEST(StartDlg, CreatingAQuestEndsItWithZeroAndOpeningWith4001)
{
    CTempBase base;
    CFakeUi ui;
    CQuestDoc doc(ui);
    ui.nameAnswers = {QStringLiteral("Forest")};
    {
        CStartDlg dialog(doc);
        QTimer::singleShot(0, &dialog, [&] { QTest::mouseClick(Control<QPushButton>(dialog, "1006"), Qt::LeftButton); });
        EXPECT_EQ(0, dialog.exec());
        EXPECT_TRUE(base.Exists(QStringLiteral("save\\Forest.qss")));
    }
    {
        CStartDlg dialog(doc);
        ui.fileAnswers = {base.Path(QStringLiteral("save\\Forest.qss"))};
        QTimer::singleShot(0, &dialog, [&] { QTest::mouseClick(Control<QPushButton>(dialog, "1005"), Qt::LeftButton); });
        EXPECT_EQ(4001, dialog.exec());
    }
}

TEST(AboutDlg, ShowsTheVersion)
{
    CAboutDlg dialog;
    EXPECT_EQ(QStringLiteral("Tessellmancery for Vantraglen"), dialog.windowTitle());
    EXPECT_EQ(QStringLiteral("Tessellmancery v2.0"), Control<QLabel>(dialog, "version")->text());
}
