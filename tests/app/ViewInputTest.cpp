// What the view hands the active designer from the keyboard and the scroll
// bars: the platform's key codes and flags, and every move of a bar.
#include "app/MainFrame.h"
#include "app/QuestView.h"
#include "app/WidgetUi.h"
#include "common/VirtualKeys.h"
#include "document/QuestDoc.h"
#include "helpers/TempBase.h"
#include "map/MapDesigner.h"
#include "support/paths/Globals.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

struct KeyCall {
    bool down;
    uint32_t code, repeat, flags;
    bool operator==(const KeyCall&) const = default;
};

std::ostream& operator<<(std::ostream& out, const KeyCall& k)
{
    return out << (k.down ? "down " : "up ") << std::hex << k.code << " " << k.repeat << " " << k.flags;
}

// Records what reaches it and scrolls nothing.
struct CRecordingDesigner : CDesigner {
    std::vector<KeyCall> keys;
    std::vector<std::pair<int, int>> scrolls[2];
    void onKeyDown(uint32_t c, uint32_t r, uint32_t f) override { keys.push_back({true, c, r, f}); }
    void onKeyUp(uint32_t c, uint32_t r, uint32_t f) override { keys.push_back({false, c, r, f}); }
    void onHScroll(int code, int position) override { scrolls[HorizontalBar].push_back({code, position}); }
    void onVScroll(int code, int position) override { scrolls[VerticalBar].push_back({code, position}); }
};

struct ViewFixture : ::testing::Test {
    CTempBase base;
    CWidgetUi ui;
    CQuestDoc doc{ui};
    CMainFrame frame{doc};
    CRecordingDesigner recorder;
    ViewFixture()
    {
        ui.SetFrame(&frame);
        g_questName = QStringLiteral("Forest");
        frame.show();
        View().InitialUpdate();
    }
    ~ViewFixture() override { doc.activeDesigner = doc.mapDesigner.get(); }
    CQuestView& View() { return *frame.View(); }
    CMapDesigner& Map() { return *doc.mapDesigner; }
    QScrollBar* Bar(ScrollBarKind kind)
    {
        return kind == HorizontalBar ? View().horizontalScrollBar() : View().verticalScrollBar();
    }
};

// Picks an item of the scroll bar's own context menu, as a person would.
void ChooseFromBarMenu(QScrollBar* bar, QPoint at, const QString& item)
{
    QTimer::singleShot(0, [item] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(nullptr, menu);
        for (QAction* a : menu->actions())
            if (a->text() == item)
                menu->setActiveAction(a);
        ASSERT_NE(nullptr, menu->activeAction()) << item.toStdString();
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, bar->mapToGlobal(at));
    QApplication::sendEvent(bar, &event);
}

} // namespace

TEST_F(ViewFixture, KeysArriveAsVirtualKeyCodesAndKeysWithoutOneNotAtAll)
{
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        uint32_t code; // 0: nothing reaches the designer
    } cases[] = {
        {Qt::Key_Period, Qt::NoModifier, 0},      {Qt::Key_Minus, Qt::NoModifier, 0},
        {Qt::Key_Ampersand, Qt::NoModifier, 0},   {Qt::Key_ParenLeft, Qt::NoModifier, 0},
        {Qt::Key_Meta, Qt::NoModifier, 0},        {Qt::Key_Super_L, Qt::NoModifier, 0},
        {Qt::Key_F1, Qt::NoModifier, 0x70},       {Qt::Key_F10, Qt::NoModifier, 0x79},
        {Qt::Key_F12, Qt::NoModifier, 0x7B},      {Qt::Key_Delete, Qt::NoModifier, VK_DELETE},
        {Qt::Key_Insert, Qt::NoModifier, VK_INSERT}, {Qt::Key_Up, Qt::NoModifier, VK_UP},
        {Qt::Key_PageDown, Qt::NoModifier, VK_NEXT}, {Qt::Key_R, Qt::ShiftModifier, 'R'},
        {Qt::Key_T, Qt::NoModifier, 'T'},         {Qt::Key_3, Qt::NoModifier, '3'},
        {Qt::Key_3, Qt::KeypadModifier, 0x63},    {Qt::Key_Period, Qt::KeypadModifier, VK_DECIMAL},
        {Qt::Key_Minus, Qt::KeypadModifier, VK_SUBTRACT}, {Qt::Key_Asterisk, Qt::KeypadModifier, VK_MULTIPLY},
        {Qt::Key_Left, Qt::KeypadModifier, VK_LEFT}, {Qt::Key_Enter, Qt::KeypadModifier, VK_RETURN},
        {Qt::Key_Escape, Qt::NoModifier, VK_ESCAPE},
    };
    doc.activeDesigner = &recorder;
    for (const auto& c : cases) {
        recorder.keys.clear();
        QTest::keyClick(&View(), Qt::Key(c.key), c.modifiers);
        std::vector<KeyCall> expected;
        if (c.code)
            expected = {{true, c.code, 1, 0}, {false, c.code, 1, kKeyWasDown | kKeyReleased}};
        // Shift itself is a key with a code of its own.
        std::erase_if(recorder.keys, [](const KeyCall& k) { return k.code == VK_SHIFT; });
        EXPECT_EQ(expected, recorder.keys) << std::hex << c.key;
    }
    EXPECT_EQ(uint32_t(VK_TAB), VirtualKey(Qt::Key_Backtab));
    EXPECT_EQ(uint32_t(VK_MENU), VirtualKey(Qt::Key_Alt));
}

TEST_F(ViewFixture, AnAutoRepeatSaysTheKeyWasDownAndLetsItGoOnce)
{
    doc.activeDesigner = &recorder;
    for (auto [type, repeat] : {std::pair{QEvent::KeyPress, false}, {QEvent::KeyRelease, true},
                                {QEvent::KeyPress, true}, {QEvent::KeyRelease, false}}) {
        QKeyEvent event(type, Qt::Key_Right, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(&View(), &event);
    }
    EXPECT_EQ((std::vector<KeyCall>{{true, VK_RIGHT, 1, 0},
                                    {true, VK_RIGHT, 1, kKeyWasDown},
                                    {false, VK_RIGHT, 1, kKeyWasDown | kKeyReleased}}),
              recorder.keys);
}

TEST_F(ViewFixture, KeysDoNotScrollTheMap)
{
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Left, Qt::Key_Up, Qt::Key_PageUp})
        QTest::keyClick(&View(), key);
    QTest::keyClick(&View(), Qt::Key_Right);
    EXPECT_EQ(0, Map().ScrollX());
    EXPECT_EQ(0, Map().ScrollY());
    EXPECT_EQ(0, Bar(HorizontalBar)->value());
    EXPECT_EQ(0, Bar(VerticalBar)->value());
}

TEST_F(ViewFixture, EveryMoveOfABarMovesTheMapWithIt)
{
    QScrollBar* across = Bar(HorizontalBar);
    QScrollBar* down = Bar(VerticalBar);
    across->setValue(1234); // what the menu's "Scroll here" does
    EXPECT_EQ(1234, Map().ScrollX());
    across->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(32767, Map().ScrollX());
    EXPECT_EQ(32767, across->value());
    across->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(0, Map().ScrollX());

    ChooseFromBarMenu(down, QPoint(down->width() / 2, down->height() / 2), QStringLiteral("Bottom"));
    EXPECT_EQ(24576, Map().ScrollY());
    EXPECT_EQ(24576, down->value());
    ChooseFromBarMenu(down, QPoint(down->width() / 2, down->height() / 2), QStringLiteral("Scroll here"));
    EXPECT_GT(Map().ScrollY(), 0);
    EXPECT_LT(Map().ScrollY(), 24576);
    EXPECT_EQ(Map().ScrollY(), down->value());
    ChooseFromBarMenu(across, QPoint(across->width() / 2, across->height() / 2), QStringLiteral("Right edge"));
    EXPECT_EQ(32767, Map().ScrollX());

    // The wheel scrolls through the designer: three lines of 5.
    down->setValue(0);
    QWheelEvent wheel(QPointF(100, 100), View().viewport()->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(View().viewport(), &wheel);
    EXPECT_EQ(15, Map().ScrollY());
    EXPECT_EQ(15, down->value());
}

TEST_F(ViewFixture, EachMoveReachesTheDesignerOnceAndTheBarStaysWhereTheDesignerHasIt)
{
    doc.activeDesigner = &recorder;
    QScrollBar* across = Bar(HorizontalBar);
    across->setValue(700);
    across->triggerAction(QAbstractSlider::SliderPageStepAdd);
    across->triggerAction(QAbstractSlider::SliderSingleStepSub);
    across->setSliderPosition(300); // the thumb dragged
    EXPECT_EQ((std::vector<std::pair<int, int>>{
                  {SB_THUMBPOSITION, 700}, {SB_PAGERIGHT, 500}, {SB_LINELEFT, 0}, {SB_THUMBTRACK, 300}}),
              recorder.scrolls[HorizontalBar]);
    EXPECT_TRUE(recorder.scrolls[VerticalBar].empty());
    EXPECT_EQ(0, across->value()); // this designer scrolls nothing
}
