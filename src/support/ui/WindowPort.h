#pragma once
// The part of the Ui port that reaches the main window: its title, its menu
// bar, the view's scroll bars and frames, the About box and the way out.
// Without a window each call does nothing.
#include "common/Designer.h"
#include "common/MenuId.h"

#include <QString>

class CWindowPort {
public:
    virtual ~CWindowPort() = default;

    virtual void SetWindowTitle([[maybe_unused]] const QString& title) {}
    // Makes one of the menus the main window's menu bar.
    virtual void SetMenu([[maybe_unused]] MenuId menu) {}
    virtual void SetScrollPosition([[maybe_unused]] ScrollBarKind bar, [[maybe_unused]] int position) {}
    // Asks the view for a fresh frame of the active designer, after a change
    // that no frame of the designer's own follows (a quest opened, a mode switch).
    virtual void RequestFrame() {}
    virtual void ShowAbout() {}
    // Asks the application to end with this code. The editor closes its main
    // window, whose close saves the map file and may keep the program open.
    virtual void Quit([[maybe_unused]] int code) {}
};
