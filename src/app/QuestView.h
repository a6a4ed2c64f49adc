#pragma once
// The view: owns the display and forwards every paint, mouse, key and scroll
// event to the active designer. It edits nothing itself.
#include "common/Designer.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <memory>

class CDisplay;
class CQuestDoc;
class QScrollBar;

class CQuestView : public QAbstractScrollArea {
    Q_OBJECT
public:
    CQuestView(CQuestDoc& document, QWidget* parent = nullptr);
    ~CQuestView() override;

    // The first update: makes the display, hands it to the designers, sets the
    // scroll ranges and activates the map designer.
    void InitialUpdate();
    void SetScrollPosition(ScrollBarKind bar, int position);
    // The screen designer hides the scroll bars while it is open.
    void ShowScrollBars(bool shown);
    // Asks for a new frame from the active designer.
    void Redraw()
    {
        m_framePending = false; // draw anew, whatever was presented last
        viewport()->update();
    }
    CDisplay* Display() const { return m_display.get(); }
    // The frame last shown: the back buffer when it was drawn for a paint,
    // else the copy kept of the last frame a designer presented on its own.
    const QImage& Frame() const;

signals:
    // A designer's frame reached the window.
    void FrameShown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void scrollContentsBy(int, int) override {}

private:
    QScrollBar* Bar(ScrollBarKind bar) const;
    void OnScrollAction(ScrollBarKind bar, int action);
    void OnScrollValue(ScrollBarKind bar, int value);
    void ForwardScroll(ScrollBarKind bar, int code, int position);
    CQuestDoc& m_document;
    // Where the designer last put each bar; any other position is a move the
    // designer has yet to hear of.
    int m_barPosition[2] = {0, 0};
    bool m_settingBar = false; // the bar's signals now echo SetScrollPosition
    std::unique_ptr<CDisplay> m_display;
    QImage m_frame;
    bool m_showsBackBuffer = false;
    bool m_painting = false;
    bool m_framePending = false; // a presented frame waits to be shown
};

// The platform's mouse-key flags for a Qt event's buttons and modifiers.
uint32_t MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
// The platform's virtual-key code (common/VirtualKeys.h) for a Qt key, or 0
// for a key that has none. The keypad's digits and * + - . / have codes of
// their own when the modifiers hold Qt::KeypadModifier.
uint32_t VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
