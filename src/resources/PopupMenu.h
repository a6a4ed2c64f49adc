#pragma once
// A popup menu built item by item and shown at a point; the manager dialogs
// show one for folders and one for files.
#include <QString>

#include <vector>

class CResourceManagerPort;

class CPopupMenu {
public:
    struct Item {
        QString text;
        int command;
    };

    // Adds an item after those appended so far.
    void AppendItem(const QString& text, int command);
    // Shows the menu at a screen point and returns the command chosen, 0 when
    // the menu was dismissed.
    int Track(int x, int y, CResourceManagerPort& ui) const;

    const std::vector<Item>& Items() const { return m_items; }
    int Count() const { return int(m_items.size()); }

private:
    std::vector<Item> m_items;
};
