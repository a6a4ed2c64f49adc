// The monkey's actions on the main window: the view's mouse, wheel and keys,
// the accelerators, the menu commands of the menu bar shown, the scroll bars
// and the screen designer's entity window. Most aim at the mode under test,
// and some walk there the way a person does.
#include "Monkey.h"

#include "app/Application.h"
#include "app/MainFrame.h"
#include "app/QuestView.h"
#include "app/WidgetUi.h"
#include "document/Commands.h"
#include "document/QuestDoc.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace {
const QStringList kKeys = {
    QStringLiteral("R"),      QStringLiteral("N"),      QStringLiteral("E"),       QStringLiteral("S"),
    QStringLiteral("W"),      QStringLiteral("T"),      QStringLiteral("F"),       QStringLiteral("C"),
    QStringLiteral("A"),      QStringLiteral("0"),      QStringLiteral("1"),       QStringLiteral("3"),
    QStringLiteral("9"),      QStringLiteral("Left"),   QStringLiteral("Right"),   QStringLiteral("Up"),
    QStringLiteral("Down"),   QStringLiteral("PgUp"),   QStringLiteral("PgDown"),  QStringLiteral("Ins"),
    QStringLiteral("Del"),    QStringLiteral("Space"),  QStringLiteral("Esc"),     QStringLiteral("Return"),
    QStringLiteral("Home"),   QStringLiteral("End"),    QStringLiteral("Tab"),     QStringLiteral("Backspace"),
    QStringLiteral("F1"),     QStringLiteral("Ctrl+Left"), QStringLiteral("Ctrl+Right"), QStringLiteral("Ctrl+Up"),
    QStringLiteral("Ctrl+Down"), QStringLiteral("Ctrl+S"), QStringLiteral("Ctrl+F"), QStringLiteral("Shift+R"),
    QStringLiteral("Ctrl")};

QWidget* Viewport(MonkeyContext& context)
{
    return context.app.frame->View()->viewport();
}

QString Point(MonkeyContext& context)
{
    const QWidget* viewport = Viewport(context);
    return QStringLiteral("%1 %2").arg(context.random.Below(viewport->width())).arg(
        context.random.Below(viewport->height()));
}

QString Modifiers(MonkeyContext& context)
{
    const int r = context.random.Below(10);
    return r == 0 ? QStringLiteral("ctrl") : r == 1 ? QStringLiteral("shift") : QStringLiteral("none");
}

Qt::KeyboardModifiers ModifiersOf(const QString& word)
{
    if (word == QLatin1String("ctrl"))
        return Qt::ControlModifier;
    if (word == QLatin1String("shift"))
        return Qt::ShiftModifier;
    return Qt::NoModifier;
}

Qt::MouseButton ButtonOf(const QString& word)
{
    return word == QLatin1String("R") ? Qt::RightButton : word == QLatin1String("M") ? Qt::MiddleButton : Qt::LeftButton;
}

QString Button(MonkeyContext& context)
{
    const int r = context.random.Below(10);
    return r < 6 ? QStringLiteral("L") : r < 9 ? QStringLiteral("R") : QStringLiteral("M");
}

QKeyCombination KeyOf(const QString& name)
{
    if (name == QLatin1String("Ctrl"))
        return QKeyCombination(Qt::NoModifier, Qt::Key_Control);
    const QKeySequence sequence = QKeySequence::fromString(name, QKeySequence::PortableText);
    return sequence.isEmpty() ? QKeyCombination() : sequence[0];
}

// The commands of the menu bar shown now.
QList<int> MenuCommands(MonkeyContext& context)
{
    QList<int> ids;
    for (const CommandInfo& c : CommandTable())
        if (QAction* a = context.app.frame->MenuAction(c.id); a && a->isVisible() && a->isEnabled())
            ids << c.id;
    return ids;
}

// A person on the way to the mode under test.
QString TowardTheMode(MonkeyContext& context)
{
    CQuestDoc& doc = *context.app.document;
    CMonkeyRandom& random = context.random;
    const QString& mode = context.mode;
    if (doc.MapDesignerActive()) {
        if (mode == QLatin1String("screen") && random.Chance(40)) {
            // A cell holding a screen, where the map shows it now.
            std::vector<std::pair<int, int>> cells;
            for (int row = 0; row < 256; ++row)
                for (int column = 0; column < 256; ++column)
                    if (doc.quest.map.Cell(column, row).HoldsScreen())
                        cells.emplace_back(column, row);
            if (!cells.empty()) {
                const auto [column, row] = random.Pick(cells);
                const int x = column * 128 - doc.mapDesigner->ScrollX() + random.Below(128);
                const int y = row * 96 - doc.mapDesigner->ScrollY() + random.Below(96);
                return QStringLiteral("click L %1 %2 none").arg(x).arg(y);
            }
        }
        if (mode == QLatin1String("sheet") && random.Chance(25))
            return QStringLiteral("accel Ctrl+G");
        if (mode == QLatin1String("managers") && random.Chance(40))
            return QStringLiteral("accel ") + random.Pick(QStringList{"Ctrl+E", "Ctrl+O", "Ctrl+G"});
        return QString();
    }
    const bool inMode = (mode == QLatin1String("screen") && doc.ScreenDesignerActive())
                        || (mode == QLatin1String("sheet") && doc.SheetDesignerActive());
    if (!inMode && random.Chance(30))
        return QStringLiteral("accel Ctrl+B");
    return QString();
}
} // namespace

QString MakeWindowAction(MonkeyContext& context)
{
    CMonkeyRandom& random = context.random;
    if (random.Chance(85))
        if (QString toward = TowardTheMode(context); !toward.isEmpty())
            return toward;
    const int r = random.Below(100);
    if (r < 25)
        return QStringLiteral("click %1 %2 %3").arg(Button(context), Point(context), Modifiers(context));
    if (r < 30)
        return QStringLiteral("dclick %1 %2").arg(Button(context), Point(context));
    if (r < 45)
        return QStringLiteral("drag %1 %2 %3 %4").arg(Button(context), Point(context), Point(context),
                                                      Modifiers(context));
    if (r < 53)
        return QStringLiteral("move %1").arg(Point(context));
    if (r < 57)
        return QStringLiteral("wheel %1 %2").arg(Point(context)).arg(random.Pick(QList<int>{-240, -120, 120, 360}));
    if (r < 72)
        return QStringLiteral("key %1").arg(random.Pick(kKeys));
    if (r < 76)
        return QStringLiteral("%1 %2").arg(random.Chance(50) ? "press" : "release", random.Pick(kKeys));
    if (r < 84)
        return QStringLiteral("accel %1").arg(random.Pick(AcceleratorTable()).key);
    if (r < 92) {
        const QList<int> ids = MenuCommands(context);
        if (!ids.isEmpty())
            return QStringLiteral("command %1").arg(random.Pick(ids));
    }
    if (r < 96)
        return QStringLiteral("scroll %1 %2").arg(random.Chance(50) ? "H" : "V").arg(random.Between(1, 7));
    if (CEntityInfoDlg* entity = context.app.ui->EntityWindow(); entity && entity->isVisible())
        return QStringLiteral("entity %1").arg(LineWord(random.Pick(context.texts)));
    return QStringLiteral("move %1").arg(Point(context));
}

bool PerformWindowAction(MonkeyContext& context, const QStringList& w)
{
    CMainFrame& frame = *context.app.frame;
    QWidget* viewport = Viewport(context);
    const QString& kind = w[0];
    const auto at = [&](int i) { return QPoint(w.value(i).toInt(), w.value(i + 1).toInt()); };
    if (kind == QLatin1String("click")) {
        QTest::mouseClick(viewport, ButtonOf(w.value(1)), ModifiersOf(w.value(4)), at(2));
    } else if (kind == QLatin1String("dclick")) {
        QTest::mouseDClick(viewport, ButtonOf(w.value(1)), Qt::NoModifier, at(2));
    } else if (kind == QLatin1String("drag")) {
        const Qt::MouseButton button = ButtonOf(w.value(1));
        const Qt::KeyboardModifiers modifiers = ModifiersOf(w.value(6));
        const QPoint from = at(2), to = at(4);
        QTest::mousePress(viewport, button, modifiers, from);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(viewport, from + (to - from) * step / 4);
        // The press may have opened a window that took the release already.
        if (QApplication::mouseButtons() & button || !QApplication::activeModalWidget())
            QTest::mouseRelease(viewport, button, modifiers, to);
    } else if (kind == QLatin1String("move")) {
        QTest::mouseMove(viewport, at(1));
    } else if (kind == QLatin1String("wheel")) {
        const QPoint p = at(1);
        QWheelEvent wheel(p, viewport->mapToGlobal(p), QPoint(), QPoint(0, w.value(3).toInt()), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
    } else if (kind == QLatin1String("key") || kind == QLatin1String("accel") || kind == QLatin1String("press")
               || kind == QLatin1String("release")) {
        const QKeyCombination key = KeyOf(w.value(1));
        if (key.key() == Qt::Key_unknown || key.toCombined() == 0)
            return false;
        QWidget* target = frame.View();
        frame.activateWindow();
        target->setFocus();
        if (kind == QLatin1String("press"))
            QTest::keyPress(target, key.key(), key.keyboardModifiers());
        else if (kind == QLatin1String("release"))
            QTest::keyRelease(target, key.key(), key.keyboardModifiers());
        else
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
    } else if (kind == QLatin1String("command")) {
        QAction* action = frame.MenuAction(w.value(1).toInt());
        if (!action || !action->isVisible() || !action->isEnabled())
            return false;
        action->trigger();
    } else if (kind == QLatin1String("scroll")) {
        QAbstractScrollArea* view = frame.View();
        QScrollBar* bar = w.value(1) == QLatin1String("H") ? view->horizontalScrollBar() : view->verticalScrollBar();
        if (!bar->isVisible())
            return false;
        bar->triggerAction(QAbstractSlider::SliderAction(w.value(2).toInt()));
    } else if (kind == QLatin1String("entity")) {
        CEntityInfoDlg* entity = context.app.ui->EntityWindow();
        QLineEdit* field = entity && entity->isVisible() ? entity->findChild<QLineEdit*>() : nullptr;
        if (!field)
            return false;
        field->setFocus();
        field->selectAll();
        field->insert(WordText(w.value(1)));
        QTest::keyClick(field, Qt::Key_Return);
    } else {
        return false;
    }
    return true;
}
