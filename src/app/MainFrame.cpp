#include "app/MainFrame.h"

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
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/app-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
    resize(1040, 800);
    setWindowTitle(QStringLiteral("Tessellmancery"));
    // Exactly the keys of the accelerator table; the keys some labels show after
    // a tab have no effect.
    for (const Accelerator& a : AcceleratorTable()) {
        auto* shortcut = new QShortcut(QKeySequence(a.key), this);
        shortcut->setObjectName(QStringLiteral("accelerator ") + a.key);
        const int command = a.command;
        connect(shortcut, &QShortcut::activated, this, [this, command] {
            m_document.OnCommand(command);
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
    for (const CommandInfo& c : CommandTable()) {
        if (c.menu != menuId)
            continue;
        QMenu*& popup = popups[c.popup];
        if (!popup) {
            popup = menuBar()->addMenu(c.popup);
            m_menus.push_back(popup);
            connect(popup, &QMenu::aboutToShow, this, &CMainFrame::RefreshChecks);
        }
        // Qt shows the text after the tab as the key, without making it one.
        QAction* action = popup->addAction(c.label);
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
}

QAction* CMainFrame::MenuAction(int commandId) const
{
    auto it = m_actions.find(commandId);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::RefreshChecks()
{
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
