// The build's progress window never stands over a question: it gives way to
// the dialogs the build shows, and comes back with its next step.
#include "app/MainFrame.h"
#include "app/WidgetUi.h"
#include "document/QuestDoc.h"
#include "helpers/TempBase.h"

#include <QApplication>
#include <QDialog>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

TEST(ProgressWindow, GivesWayToTheScriptErrorsDialogAndComesBackWithTheNextStep)
{
    CTempBase base;
    CWidgetUi ui;
    CQuestDoc doc(ui);
    CMainFrame frame(doc);
    ui.SetFrame(&frame);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    ui.Progress(QStringLiteral("entities"), 0, 10);
    ui.Progress(QStringLiteral("screen 0-0"), 1, 10);
    bool progressShown = true;
    QTimer::singleShot(0, [&progressShown] {
        QTest::qWait(500); // longer than the progress window waits before it shows
        progressShown = false;
        for (QWidget* w : QApplication::topLevelWidgets())
            progressShown = progressShown || (qobject_cast<QProgressDialog*>(w) && w->isVisible());
        if (QWidget* asked = QApplication::activeModalWidget())
            QTest::keyClick(asked, Qt::Key_Escape);
        QTimer::singleShot(300, [] { // closed all the same when Escape could not reach it
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible())
                    dialog->reject();
        });
    });
    EXPECT_EQ(int(CUiPort::AnswerCancel), ui.ScriptErrorsDialog()); // Escape reached it
    EXPECT_FALSE(progressShown);
    EXPECT_EQ(nullptr, ui.ProgressWindow());
    ui.Progress(QStringLiteral("group 0"), 2, 10); // the build goes on
    EXPECT_NE(nullptr, ui.ProgressWindow());
    ui.Progress(QString(), 10, 10);
}
