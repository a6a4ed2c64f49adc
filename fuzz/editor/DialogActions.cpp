// The monkey's answers to whatever window holds the editor: a popup menu's
// items, and a modal dialog's or message box's buttons, fields, lists and
// trees, combo boxes and keys. The mode under test leads the way on: Edit
// Screen in the screen properties, Edit this Sheet in the sheet manager.
#include "Monkey.h"

#include "dialogs/ResourceTreeView.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTreeView>

namespace {
template <class Widget>
QList<Widget*> Usable(QWidget* window)
{
    QList<Widget*> usable;
    for (Widget* w : window->findChildren<Widget*>())
        if (w->isVisible() && w->isEnabled())
            usable << w;
    return usable;
}

QList<QLineEdit*> Fields(QWidget* window)
{
    QList<QLineEdit*> fields;
    for (QLineEdit* field : Usable<QLineEdit>(window))
        if (!field->isReadOnly())
            fields << field;
    return fields;
}

QList<QAction*> Items(QWidget* popup)
{
    QList<QAction*> items;
    if (auto* menu = qobject_cast<QMenu*>(popup))
        for (QAction* a : menu->actions())
            if (!a->isSeparator() && a->isVisible() && a->isEnabled())
                items << a;
    return items;
}

// The rows a person can see in a list or tree: every item below an expanded one.
QModelIndexList Rows(QAbstractItemView* view)
{
    QModelIndexList rows;
    QAbstractItemModel* model = view->model();
    if (!model)
        return rows;
    auto* tree = qobject_cast<QTreeView*>(view);
    std::function<void(const QModelIndex&)> walk = [&](const QModelIndex& parent) {
        for (int row = 0; row < model->rowCount(parent) && rows.size() < 400; ++row) {
            const QModelIndex index = model->index(row, 0, parent);
            rows << index;
            if (tree && tree->isExpanded(index))
                walk(index);
        }
    };
    walk(view->rootIndex());
    return rows;
}

const QStringList kDialogKeys = {QStringLiteral("Return"), QStringLiteral("Esc"), QStringLiteral("Tab"),
                                 QStringLiteral("Space"), QStringLiteral("Up"), QStringLiteral("Down"),
                                 QStringLiteral("Del"), QStringLiteral("Backspace"), QStringLiteral("End")};

// The answer the mode under test leads to, when this window offers it.
QString AnswerTowardTheMode(MonkeyContext& context, QWidget* popup, QWidget* modal)
{
    CMonkeyRandom& random = context.random;
    const auto button = [&](const QString& text) {
        const QList<QAbstractButton*> buttons = Usable<QAbstractButton>(modal);
        for (int i = 0; i < buttons.size(); ++i)
            if (buttons[i]->text() == text)
                return QStringLiteral("dialog button %1").arg(i);
        return QString();
    };
    if (popup) {
        const QList<QAction*> items = Items(popup);
        for (int i = 0; i < items.size(); ++i)
            if (context.mode == QLatin1String("sheet") && items[i]->text() == QLatin1String("Edit this Sheet...")
                && random.Chance(60))
                return QStringLiteral("popup %1").arg(i);
        return QString();
    }
    if (context.mode == QLatin1String("screen") && random.Chance(60))
        return button(QStringLiteral("&Edit Screen"));
    if (context.mode == QLatin1String("sheet") && modal->windowTitle() == QLatin1String("Sprite Sheet Manager")
        && random.Chance(40)) {
        const QList<QAbstractItemView*> views = Usable<QAbstractItemView>(modal);
        if (!views.isEmpty()) {
            // A sheet's own row (a folder's popup has no "Edit this Sheet..."),
            // once the folders above it are open.
            const QModelIndexList rows = Rows(views[0]);
            const auto* tree = qobject_cast<QTreeView*>(views[0]);
            QList<int> sheets, closed;
            for (int row = 1; row < rows.size(); ++row) {
                if (!views[0]->model()->hasChildren(rows[row]))
                    sheets << row;
                else if (tree && !tree->isExpanded(rows[row]))
                    closed << row;
            }
            if (!sheets.isEmpty())
                return QStringLiteral("dialog item 0 %1 right").arg(random.Pick(sheets));
            if (!closed.isEmpty())
                return QStringLiteral("dialog item 0 %1 double").arg(random.Pick(closed));
            if (tree && !rows.isEmpty() && !tree->isExpanded(rows[0]))
                return QStringLiteral("dialog item 0 0 double");
        }
    }
    if (context.mode != QLatin1String("managers") && random.Chance(10))
        return QStringLiteral("dialog reject");
    return QString();
}
} // namespace

QString MakeDialogAction(MonkeyContext& context, QWidget* popup, QWidget* modal)
{
    CMonkeyRandom& random = context.random;
    if (random.Chance(85))
        if (QString toward = AnswerTowardTheMode(context, popup, modal); !toward.isEmpty())
            return toward;
    if (popup) {
        const int items = int(Items(popup).size());
        return QStringLiteral("popup %1").arg(items == 0 || random.Chance(15) ? -1 : random.Below(items));
    }
    const int r = random.Below(100);
    if (r < 35) {
        if (const int n = int(Usable<QAbstractButton>(modal).size()))
            return QStringLiteral("dialog button %1").arg(random.Below(n));
    }
    if (r < 60) {
        if (const int n = int(Fields(modal).size()))
            return QStringLiteral("dialog type %1 %2").arg(random.Below(n)).arg(LineWord(random.Pick(context.texts)));
    }
    if (r < 82) {
        const QList<QAbstractItemView*> views = Usable<QAbstractItemView>(modal);
        if (!views.isEmpty()) {
            const int view = random.Below(int(views.size()));
            const int rows = int(Rows(views[view]).size());
            if (rows > 0)
                return QStringLiteral("dialog item %1 %2 %3")
                    .arg(view)
                    .arg(random.Below(rows))
                    .arg(random.Pick(QStringList{"left", "left", "double", "right"}));
        }
    }
    if (r < 88) {
        const QList<QComboBox*> combos = Usable<QComboBox>(modal);
        if (!combos.isEmpty()) {
            const int combo = random.Below(int(combos.size()));
            return QStringLiteral("dialog combo %1 %2").arg(combo).arg(random.Below(combos[combo]->count() + 1) - 1);
        }
    }
    if (r < 97)
        return QStringLiteral("dialog key %1").arg(random.Pick(kDialogKeys));
    return random.Chance(50) ? QStringLiteral("dialog close") : QStringLiteral("dialog reject");
}

bool PerformDialogAction(MonkeyContext&, const QStringList& w, QWidget* popup, QWidget* modal)
{
    if (w[0] == QLatin1String("popup")) {
        QWidget* menu = popup ? popup : QApplication::activePopupWidget();
        if (!menu)
            return false;
        const QList<QAction*> items = Items(menu);
        const int i = w.value(1).toInt();
        if (i < 0 || i >= items.size()) {
            QTest::keyClick(menu, Qt::Key_Escape);
            return true;
        }
        // As a person picks it, so that the menu's exec() returns the item.
        static_cast<QMenu*>(menu)->setActiveAction(items[i]);
        QTest::keyClick(menu, Qt::Key_Return);
        return true;
    }
    if (!modal)
        return false;
    const QString& kind = w.value(1);
    const int i = w.value(2).toInt();
    if (kind == QLatin1String("button")) {
        const QList<QAbstractButton*> buttons = Usable<QAbstractButton>(modal);
        if (i < 0 || i >= buttons.size())
            return false;
        QTest::mouseClick(buttons[i], Qt::LeftButton, Qt::NoModifier, buttons[i]->rect().center());
    } else if (kind == QLatin1String("type")) {
        const QList<QLineEdit*> fields = Fields(modal);
        if (i < 0 || i >= fields.size())
            return false;
        fields[i]->setFocus();
        fields[i]->selectAll();
        fields[i]->insert(WordText(w.value(3)));
    } else if (kind == QLatin1String("item")) {
        const QList<QAbstractItemView*> views = Usable<QAbstractItemView>(modal);
        if (i < 0 || i >= views.size())
            return false;
        QAbstractItemView* view = views[i];
        const QModelIndexList rows = Rows(view);
        const int row = w.value(3).toInt();
        if (row < 0 || row >= rows.size())
            return false;
        view->scrollTo(rows[row]);
        // The tree control takes a click on an item's text, not on the rest of its row.
        const auto* tree = dynamic_cast<CResourceTreeView*>(view);
        const QPoint p = tree ? tree->LabelRect(rows[row]).center() : view->visualRect(rows[row]).center();
        const QString& how = w.value(4);
        if (how == QLatin1String("double"))
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, p);
        else
            QTest::mouseClick(view->viewport(), how == QLatin1String("right") ? Qt::RightButton : Qt::LeftButton,
                              Qt::NoModifier, p);
    } else if (kind == QLatin1String("combo")) {
        const QList<QComboBox*> combos = Usable<QComboBox>(modal);
        if (i < 0 || i >= combos.size())
            return false;
        const int row = w.value(3).toInt();
        combos[i]->setCurrentIndex(row);
        if (row >= 0 && row < combos[i]->count())
            emit combos[i]->activated(row);
    } else if (kind == QLatin1String("key")) {
        const QKeySequence key = QKeySequence::fromString(w.value(2), QKeySequence::PortableText);
        if (key.isEmpty())
            return false;
        QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
        QTest::keyClick(target, key[0].key(), key[0].keyboardModifiers());
    } else if (kind == QLatin1String("close")) {
        modal->close();
    } else if (kind == QLatin1String("reject")) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    } else {
        return false;
    }
    return true;
}
