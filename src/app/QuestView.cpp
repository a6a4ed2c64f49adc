#include "app/QuestView.h"

#include "common/VirtualKeys.h"
#include "display/Display.h"
#include "display/PixelMemory.h"
#include "document/QuestDoc.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QScopedValueRollback>
#include <QScrollBar>

CQuestView::CQuestView(CQuestDoc& document, QWidget* parent) : QAbstractScrollArea(parent), m_document(document)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    // Every move of a bar reaches the designer: its arrows, pages, thumb and
    // the wheel as actions, and a value set without one (the bar's own
    // context menu: "Scroll here") as the value.
    for (ScrollBarKind kind : {HorizontalBar, VerticalBar}) {
        connect(Bar(kind), &QScrollBar::actionTriggered, this, [this, kind](int action) { OnScrollAction(kind, action); });
        connect(Bar(kind), &QScrollBar::valueChanged, this, [this, kind](int value) { OnScrollValue(kind, value); });
    }
}

QScrollBar* CQuestView::Bar(ScrollBarKind bar) const
{
    return bar == HorizontalBar ? horizontalScrollBar() : verticalScrollBar();
}

CQuestView::~CQuestView()
{
    // The map file was saved when the main window closed: by now no window is
    // left to show a message on.
    m_document.mapDesigner->display = nullptr;
    m_document.screenDesigner->display = nullptr;
    m_document.sheetDesigner->display = nullptr;
}

void CQuestView::InitialUpdate()
{
    m_display = std::make_unique<CDisplay>();
    if (m_display->Initialise(this, 1024, 768) == S_OK) {
        m_document.mapDesigner->display = m_display.get();
        m_document.screenDesigner->display = m_display.get();
        m_document.sheetDesigner->display = m_display.get();
        m_display->SetPresenter([this](const QImage& frame) {
            // A frame drawn for a paint is shown at once from the back buffer.
            if (m_painting)
                return;
            // A frame a designer presented on its own (a mouse move, a scroll)
            // is shown as it is, hover marker and all, not drawn again; it is
            // kept in one buffer of our own, copied into, as the back buffer
            // may be drawn into again before the paint.
            CopyIntoKept(frame, m_frame);
            m_showsBackBuffer = false;
            m_framePending = true;
            viewport()->update();
        });
    }
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalScrollBar()->setRange(0, 24576);
    horizontalScrollBar()->setRange(0, 32767);
    // The map designer's line and page amounts, so the wheel and the thumb's
    // size agree with the arrows.
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setSingleStep(5);
        bar->setPageStep(500);
    }
    m_document.mapDesigner->activate();
}

void CQuestView::SetScrollPosition(ScrollBarKind bar, int position)
{
    const QScopedValueRollback<bool> echo(m_settingBar, true);
    Bar(bar)->setSliderPosition(position);
    m_barPosition[bar] = Bar(bar)->sliderPosition();
}

void CQuestView::OnScrollAction(ScrollBarKind bar, int action)
{
    if (m_settingBar)
        return;
    int code = -1;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: code = SB_LINELEFT; break;
    case QAbstractSlider::SliderSingleStepAdd: code = SB_LINERIGHT; break;
    case QAbstractSlider::SliderPageStepSub: code = SB_PAGELEFT; break;
    case QAbstractSlider::SliderPageStepAdd: code = SB_PAGERIGHT; break;
    case QAbstractSlider::SliderMove: code = SB_THUMBTRACK; break; // the thumb dragged, the wheel
    case QAbstractSlider::SliderToMinimum:
    case QAbstractSlider::SliderToMaximum: code = SB_THUMBPOSITION; break; // the menu's edges
    default: return;
    }
    ForwardScroll(bar, code, Bar(bar)->sliderPosition());
}

void CQuestView::OnScrollValue(ScrollBarKind bar, int value)
{
    // An action's own value arrives here too, after the designer has spoken.
    if (m_settingBar || value == m_barPosition[bar])
        return;
    ForwardScroll(bar, SB_THUMBPOSITION, value);
}

void CQuestView::ForwardScroll(ScrollBarKind bar, int code, int position)
{
    // The designer decides where the bar goes; until it says, it stays where
    // the designer last put it, so bar and map never part (a designer that
    // does not scroll keeps the bar still).
    SetScrollPosition(bar, m_barPosition[bar]);
    CDesigner* designer = m_document.activeDesigner;
    if (bar == HorizontalBar)
        designer->onHScroll(code, position);
    else
        designer->onVScroll(code, position);
}

void CQuestView::paintEvent(QPaintEvent*)
{
    if (m_display && m_display->IsReady() && !m_framePending) {
        m_painting = true;
        m_document.activeDesigner->draw(m_display.get());
        m_display->Present();
        m_painting = false;
        // Nothing draws between here and the painter: no copy is needed (a
        // copy would be a megabyte and a half written, the first time into
        // fresh pages).
        m_showsBackBuffer = true;
    }
    m_framePending = false;
    const QImage& frame = Frame();
    QPainter painter(viewport());
    // Black where the frame does not reach: the frame covers nearly the whole
    // view, and filling under it would write every pixel twice.
    const QRegion uncovered = QRegion(viewport()->rect()).subtracted(QRect(QPoint(0, 0), frame.size()));
    for (const QRect& part : uncovered)
        painter.fillRect(part, Qt::black);
    if (!frame.isNull()) {
        painter.drawImage(0, 0, frame);
        emit FrameShown();
    }
}

const QImage& CQuestView::Frame() const
{
    if (m_showsBackBuffer && m_display && m_display->IsReady())
        return m_display->BackBuffer()->Image();
    return m_frame;
}

uint32_t MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    uint32_t flags = 0;
    if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
    if (modifiers & Qt::ShiftModifier) flags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier) flags |= MK_CONTROL;
    if (buttons & Qt::MiddleButton) flags |= MK_MBUTTON;
    return flags;
}

uint32_t VirtualKey(int key, Qt::KeyboardModifiers modifiers)
{
    struct Entry {
        int qtKey;
        uint32_t code;
    };
    // The keypad's own keys; its arrows, Enter and the rest are the ordinary ones.
    static constexpr Entry kKeypad[] = {
        {Qt::Key_Asterisk, VK_MULTIPLY}, {Qt::Key_Plus, VK_ADD},      {Qt::Key_Minus, VK_SUBTRACT},
        {Qt::Key_Period, VK_DECIMAL},    {Qt::Key_Comma, VK_DECIMAL}, {Qt::Key_Slash, VK_DIVIDE},
    };
    static constexpr Entry kNamed[] = {
        {Qt::Key_Backspace, VK_BACK},   {Qt::Key_Tab, VK_TAB},         {Qt::Key_Backtab, VK_TAB},
        {Qt::Key_Return, VK_RETURN},    {Qt::Key_Enter, VK_RETURN},    {Qt::Key_Shift, VK_SHIFT},
        {Qt::Key_Control, VK_CONTROL},  {Qt::Key_Alt, VK_MENU},        {Qt::Key_Escape, VK_ESCAPE},
        {Qt::Key_Space, VK_SPACE},      {Qt::Key_PageUp, VK_PRIOR},    {Qt::Key_PageDown, VK_NEXT},
        {Qt::Key_End, VK_END},          {Qt::Key_Home, VK_HOME},       {Qt::Key_Left, VK_LEFT},
        {Qt::Key_Up, VK_UP},            {Qt::Key_Right, VK_RIGHT},     {Qt::Key_Down, VK_DOWN},
        {Qt::Key_Insert, VK_INSERT},    {Qt::Key_Delete, VK_DELETE},
    };
    if (modifiers & Qt::KeypadModifier) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            return VK_NUMPAD0 + uint32_t(key - Qt::Key_0);
        for (const Entry& e : kKeypad)
            if (e.qtKey == key)
                return e.code;
    }
    // Qt's codes of the letters and digits are the platform's.
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return uint32_t(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return VK_F1 + uint32_t(key - Qt::Key_F1);
    for (const Entry& e : kNamed)
        if (e.qtKey == key)
            return e.code;
    return 0;
}

void CQuestView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    m_document.activeDesigner->onMouseMove(MouseKeyFlags(event->buttons(), event->modifiers()), p.x(), p.y());
    QAbstractScrollArea::mouseMoveEvent(event);
}

void CQuestView::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const uint32_t flags = MouseKeyFlags(event->buttons(), event->modifiers());
    if (event->button() == Qt::LeftButton)
        m_document.activeDesigner->onLButtonDown(flags, p.x(), p.y());
    else if (event->button() == Qt::RightButton)
        m_document.activeDesigner->onRButtonDown(flags, p.x(), p.y());
    QAbstractScrollArea::mousePressEvent(event);
}

void CQuestView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const uint32_t flags = MouseKeyFlags(event->buttons(), event->modifiers());
    if (event->button() == Qt::LeftButton)
        m_document.activeDesigner->onLButtonUp(flags, p.x(), p.y());
    else if (event->button() == Qt::RightButton)
        m_document.activeDesigner->onRButtonUp(flags, p.x(), p.y());
    QAbstractScrollArea::mouseReleaseEvent(event);
}

// Keys are the designer's alone: the scroll area's own handling would move the
// bars on the arrows and pages.
void CQuestView::keyPressEvent(QKeyEvent* event)
{
    const uint32_t key = VirtualKey(event->key(), event->modifiers());
    if (key == 0) {
        event->ignore();
        return;
    }
    // One key-down per event; an auto-repeat says the key was down already.
    m_document.activeDesigner->onKeyDown(key, 1, event->isAutoRepeat() ? kKeyWasDown : 0);
}

void CQuestView::keyReleaseEvent(QKeyEvent* event)
{
    const uint32_t key = VirtualKey(event->key(), event->modifiers());
    if (key == 0) {
        event->ignore();
        return;
    }
    // Qt sends an auto-repeat as a release and a press; the platform repeats
    // the key-down alone, and the key goes up once, when it is let go.
    if (!event->isAutoRepeat())
        m_document.activeDesigner->onKeyUp(key, 1, kKeyWasDown | kKeyReleased);
}

void CQuestView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    m_document.ViewFocusGained();
}

void CQuestView::ShowScrollBars(bool shown)
{
    const Qt::ScrollBarPolicy policy = shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    setHorizontalScrollBarPolicy(policy);
    setVerticalScrollBarPolicy(policy);
}
