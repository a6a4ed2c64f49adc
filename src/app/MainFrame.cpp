#include "app/MainFrame.h"

#include "app/ApplicationIcon.h"
#include "app/QuestView.h"
#include "document/QuestDoc.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

CMainFrame::CMainFrame(CQuestDoc& document) : m_document(document)
{
    m_view = new CQuestView(document, this);
    setCentralWidget(m_view);
    setWindowIcon(ApplicationIcon());
    resize(1040, 800);
    setWindowTitle(QStringLiteral("Tessellmancery"));
    // Exactly the keys of the accelerator table, each once.
    for (const Accelerator& a : AcceleratorTable()) {
        auto* shortcut = new QShortcut(QKeySequence(a.key), this);
        shortcut->setObjectName(QStringLiteral("accelerator ") + a.key);
        const QString key = a.key;
        connect(shortcut, &QShortcut::activated, this, [this, key] {
            m_document.OnAccelerator(key);
            m_view->Redraw();
        });
    }
    SetMenu(kInitialMenu);
}

void CMainFrame::SetMenu(MenuId menuId)
{
    m_menuId = menuId;
    // clear() only takes the menus off the bar. They go once control is back
    // in the event loop: this may run inside one of their own items' handlers.
    for (QMenu* old : m_menus)
        old->deleteLater();
    m_menus.clear();
    menuBar()->clear();
    m_actions.clear();
    std::map<QString, QMenu*> popups;
    std::map<std::pair<QString, QString>, QMenu*> submenus; // owned by their drop-down
    std::map<QMenu*, bool> lastChanges; // whether a menu's last item changes its text
    for (const CommandInfo& c : CommandTable()) {
        if (c.menu != menuId)
            continue;
        QMenu*& popup = popups[c.popup];
        if (!popup) {
            popup = menuBar()->addMenu(c.popup);
            m_menus.push_back(popup);
            connect(popup, &QMenu::aboutToShow, this, &CMainFrame::RefreshItems);
        }
        QMenu* menu = popup;
        if (!c.submenu.isEmpty()) {
            QMenu*& submenu = submenus[{c.popup, c.submenu}];
            if (!submenu)
                submenu = popup->addMenu(c.submenu);
            menu = submenu;
        }
        // Items whose text changes (the recently used files) stand between
        // separators, which the menu folds into one while they are hidden.
        const bool changes = c.currentLabel != nullptr;
        if (changes != lastChanges[menu] && !menu->isEmpty())
            menu->addSeparator();
        lastChanges[menu] = changes;
        // Qt shows the text after the tab as the key, without making it one.
        QAction* action = menu->addAction(c.label);
        action->setObjectName(QString::number(c.id));
        if (c.checked)
            action->setCheckable(true);
        const int id = c.id;
        connect(action, &QAction::triggered, this, [this, id] {
            m_document.OnCommand(id);
            m_view->Redraw();
        });
        m_actions[id] = action;
    }
    RefreshItems();
}

QAction* CMainFrame::MenuAction(int commandId) const
{
    auto it = m_actions.find(commandId);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::RefreshItems()
{
    for (const CommandInfo& c : CommandTable()) {
        QAction* a = MenuAction(c.id);
        if (!a)
            continue;
        if (c.currentLabel) {
            const QString label = c.currentLabel(m_document);
            a->setText(label);
            a->setVisible(!label.isEmpty());
        }
        if (c.enabled)
            a->setEnabled(c.enabled(m_document));
    }
    // The item is checked when the screen designer is active and its flag set,
    // and left alone otherwise.
    if (!m_document.ScreenDesignerActive())
        return;
    for (const CommandInfo& c : CommandTable())
        if (QAction* a = c.checked ? MenuAction(c.id) : nullptr)
            a->setChecked(c.checked(m_document));
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (m_document.SaveOnExit())
        event->accept();
    else
        event->ignore();
}
