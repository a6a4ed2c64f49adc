#pragma once
// The main window: no tool bar, no status bar; its menu bar is the active
// designer's menu, and the accelerator table is its only set of shortcuts.
#include "common/MenuId.h"

#include <QMainWindow>

#include <map>
#include <vector>

class CQuestDoc;
class CQuestView;
class QAction;
class QMenu;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CQuestDoc& document);

    void SetMenu(MenuId menu);
    int CurrentMenu() const { return m_menuId; }
    CQuestView* View() const { return m_view; }
    // The menu item of a command in the current menu bar, if it is there.
    QAction* MenuAction(int commandId) const;

protected:
    // The one way out of the program, from Exit and from the window manager
    // alike: the map file is saved while the window still stands, and when
    // that fails the user may stay.
    void closeEvent(QCloseEvent* event) override;

private:
    // Refreshes the check marks, the texts that change (the recently used
    // files, Undo and Redo) and the greying before a menu shows.
    void RefreshItems();
    CQuestDoc& m_document;
    CQuestView* m_view;
    int m_menuId = 0;
    std::map<int, QAction*> m_actions;
    std::vector<QMenu*> m_menus; // the menu bar's menus, owned by it
};
