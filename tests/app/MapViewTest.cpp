#include "app/MainFrame.h"
#include "app/QuestView.h"
#include "app/WidgetUi.h"
#include "common/DialogResults.h"
#include "display/Display.h"
#include "document/QuestDoc.h"
#include "helpers/TempBase.h"
#include "quest/QuestProperties.h"
#include "support/paths/Globals.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
// The editor as it runs: real dialogs through the widget Ui port.
struct EditorFixture : ::testing::Test {
    CTempBase base;
    CWidgetUi ui;
    CQuestDoc doc{ui};
    CMainFrame frame{doc};
    EditorFixture()
    {
        ui.SetFrame(&frame);
        g_questName = QStringLiteral("Forest");
        frame.show();
        frame.View()->InitialUpdate();
    }
    CMapDesigner& Map() { return *doc.mapDesigner; }
};

// Acts on the next modal dialog once it is open.
void OnNextDialog(std::function<void(QWidget&)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(nullptr, dialog);
        act(*dialog);
    });
}
} // namespace

TEST_F(EditorFixture, ScrollBarArrowsReachTheDesignerAndTheBarFollowsIt)
{
    QScrollBar* bar = frame.View()->horizontalScrollBar();
    EXPECT_EQ(5, bar->singleStep());
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(5, Map().ScrollX());
    EXPECT_EQ(5, bar->value());
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(505, Map().ScrollX());
    EXPECT_EQ(505, bar->value());
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(500, bar->value());
    frame.View()->verticalScrollBar()->setSliderPosition(960); // the thumb dragged
    EXPECT_EQ(960, Map().ScrollY());
}

TEST_F(EditorFixture, AFrameTheDesignerPresentsIsShownWithItsHoverMarker)
{
    const auto shownOnceDrawn = [this] {
        QApplication::processEvents();
        QTest::qWait(20);
        return frame.View()->Frame();
    };
    QTest::mouseMove(frame.View()->viewport(), QPoint(150, 50)); // cell (1, 0)
    const QImage shown = shownOnceDrawn();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(QColor(Qt::black), shown.pixelColor(128 + 62, 46));
    EXPECT_EQ(QColor(Qt::white), shown.pixelColor(128 + 62, 60));
    // A frame drawn for the next paint replaces it: the marker is gone.
    frame.View()->Redraw();
    const QImage painted = shownOnceDrawn();
    ASSERT_FALSE(painted.isNull());
    EXPECT_EQ(QColor(Qt::white), painted.pixelColor(128 + 62, 46));
    EXPECT_EQ(QColor(Qt::white), painted.pixelColor(128 + 62, 60));
}

TEST_F(EditorFixture, TheScreenDialogsResultsReachTheDesigner)
{
    CMapCell& cell = doc.quest.map.Cell(1, 1);
    OnNextDialog([](QWidget& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    EXPECT_EQ(CUiPort::AnswerCancel, ui.ScreenPropertiesDialog(cell, 1, 1));
    OnNextDialog([](QWidget& d) {
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("1000")), Qt::LeftButton);
    });
    EXPECT_EQ(kEditScreen, ui.ScreenPropertiesDialog(cell, 1, 1));
}

TEST_F(EditorFixture, MoveQuestAndNameDialogsHandBackWhatWasTyped)
{
    OnNextDialog([](QWidget& d) {
        d.findChild<QLineEdit*>(QStringLiteral("1061"))->setText(QStringLiteral("17"));
        d.findChild<QLineEdit*>(QStringLiteral("1062"))->setText(QStringLiteral("4"));
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
    });
    int column = -1, row = -1;
    EXPECT_TRUE(ui.MoveScreenDialog(column, row));
    EXPECT_EQ(17, column);
    EXPECT_EQ(4, row);

    QuestProperties properties;
    OnNextDialog([](QWidget& d) {
        d.findChild<QLineEdit*>(QStringLiteral("1022"))->setText(QStringLiteral("321"));
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
    });
    EXPECT_TRUE(ui.QuestPropertiesDialog(properties));
    EXPECT_EQ(321, properties.startX);

    OnNextDialog([](QWidget& d) {
        EXPECT_EQ(QStringLiteral("Copy Quest"), d.windowTitle());
        d.findChild<QLineEdit*>(QStringLiteral("1016"))->setText(QStringLiteral("Marsh"));
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
    });
    QString name;
    EXPECT_TRUE(ui.AskName(QStringLiteral("Copy Quest"), QStringLiteral("Name of the copy:"), name));
    EXPECT_EQ(QStringLiteral("Marsh"), name);
}
