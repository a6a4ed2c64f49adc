#pragma once
// The part of the Ui port that reaches the main window: its title, its menu
// bar, the view's scroll bars and frames, the About box and the way out.
#include "common/Designer.h"
#include "common/MenuId.h"

#include <QString>

class CWindowPort {
public:
    virtual ~CWindowPort() = default;

    virtual void SetWindowTitle(const QString& title) = 0;
    // Makes one of the menus the main window's menu bar.
    virtual void SetMenu(MenuId menu) = 0;
    virtual void SetScrollPosition(ScrollBarKind bar, int position) = 0;
    // Asks the view for a fresh frame of the active designer, after a change
    // that no frame of the designer's own follows (a quest opened, a mode switch).
    virtual void RequestFrame() = 0;
    virtual void ShowAbout() = 0;
    // Asks the application to end with this code. The editor closes its main
    // window, whose close saves the map file and may keep the program open.
    virtual void Quit(int code) = 0;
};
