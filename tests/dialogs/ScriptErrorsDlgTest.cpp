// The script errors dialog: which lines of compiler\errors.txt it lists, its
// texts and its results.
#include "helpers/QtPrinters.h"
#include "helpers/TempBase.h"

#include "app/WidgetUi.h"
#include "common/DialogResults.h"
#include "dialogs/ScriptErrorsDlg.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString kErrors = QStringLiteral("compiler\\errors.txt");

QStringList Listed(const CScriptErrorsDlg& dialog)
{
    QStringList lines;
    for (int i = 0; i < dialog.ErrorList()->count(); ++i)
        lines << dialog.ErrorList()->item(i)->text();
    return lines;
}

QPushButton* Button(const QWidget& dialog, const char* id)
{
    return dialog.findChild<QPushButton*>(QLatin1String(id));
}

TEST(ScriptErrorsDlgTest, ListsErrorAndFatalLinesInFileOrder)
{
    CTempBase base;
    base.Write(kErrors, "sc banner line\r\n"
                        "questdata\\Forest\\scripts\\main\\main.ves(4) Error [017]: undefined symbol \"b\"\r\n"
                        "questdata\\Forest\\scripts\\main\\main.ves(5) Warning [203]: symbol is never used: \"a\"\r\n"
                        "entities\\bat.ves(0) Fatal [100]: cannot read from file: \"x\"\r\n"
                        "error [017] in lower case\r\n"
                        "Errors [1]\r\n"
                        "last line Error [001]: without a line feed");
    CScriptErrorsDlg dialog;
    EXPECT_EQ(Listed(dialog),
              (QStringList{"questdata\\Forest\\scripts\\main\\main.ves(4) Error [017]: undefined symbol \"b\"",
                           "entities\\bat.ves(0) Fatal [100]: cannot read from file: \"x\"",
                           "last line Error [001]: without a line feed"}));
}

TEST(ScriptErrorsDlgTest, LongLinesArriveInPiecesOf511)
{
    CTempBase base;
    // 600 characters with "Error [" near the end: only the second piece holds it.
    QByteArray line = QByteArray(580, 'x') + "Error [017]: abcdefg";
    ASSERT_EQ(line.size(), 600);
    // A marker cut by the piece boundary is found in neither piece.
    QByteArray cut = QByteArray(508, 'y') + "Error [001]" + QByteArray(20, 'z');
    base.Write(kErrors, line + "\n" + cut + "\n");
    CScriptErrorsDlg dialog;
    EXPECT_EQ(Listed(dialog), QStringList{QString::fromLatin1(line.mid(511))});
}

TEST(ScriptErrorsDlgTest, AMissingOrEmptyFileGivesAnEmptyListAndEditStillWorks)
{
    CTempBase base;
    for (bool present : {false, true}) {
        if (present)
            base.Write(kErrors, "");
        CScriptErrorsDlg dialog;
        EXPECT_EQ(dialog.ErrorList()->count(), 0);
        dialog.show();
        QTest::mouseClick(Button(dialog, "1053"), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), kEditScript);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(ScriptErrorsDlgTest, TextsTooltipsAndResults)
{
    CTempBase base;
    CScriptErrorsDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Error(s) found in script"));
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_EQ(labels, (QStringList{"One of you script files contains the following errors, your quest file cannot be "
                                   "compiled until these errors are fixed.",
                                   "Each entry in the list below shows the filename, the line number the error "
                                   "occurs on and the error type:"}));
    EXPECT_EQ(dialog.ErrorList()->objectName(), QStringLiteral("1055"));
    EXPECT_EQ(dialog.ErrorList()->toolTip(), QStringLiteral("Errors which occurred when compiling this script"));
    ASSERT_NE(Button(dialog, "1053"), nullptr);
    EXPECT_EQ(Button(dialog, "1053")->text(), QStringLiteral("&Edit Script"));
    EXPECT_EQ(Button(dialog, "1053")->toolTip(), QStringLiteral("Edit the script which has errors"));
    ASSERT_NE(Button(dialog, "1"), nullptr);
    dialog.show();
    QTest::mouseClick(Button(dialog, "1"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

// The editor's Ui port shows the dialog modally and passes its result on.
TEST(ScriptErrorsDlgTest, TheWidgetUiReturnsTheDialogsResult)
{
    CTempBase base;
    base.Write(kErrors, "a.ves(1) Error [001]: x\r\n");
    CWidgetUi ui;
    QStringList seen;
    auto pressLater = [&seen](const char* id) {
        QTimer::singleShot(0, [&seen, id] {
            auto* dialog = qobject_cast<CScriptErrorsDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen = Listed(*dialog);
            if (id)
                QTest::mouseClick(Button(*dialog, id), Qt::LeftButton);
            else
                dialog->reject();
        });
    };
    pressLater("1053");
    EXPECT_EQ(ui.ScriptErrorsDialog(), kEditScript);
    EXPECT_EQ(seen, QStringList{"a.ves(1) Error [001]: x"});
    pressLater("1");
    EXPECT_EQ(ui.ScriptErrorsDialog(), CUiPort::AnswerOk);
    pressLater(nullptr);
    EXPECT_EQ(ui.ScriptErrorsDialog(), CUiPort::AnswerCancel);
}

} // namespace
