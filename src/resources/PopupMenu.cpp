#include "resources/PopupMenu.h"

#include "resources/ResourceManagerPort.h"

void CPopupMenu::AppendItem(const QString& text, int command)
{
    m_items.push_back({text, command});
}

int CPopupMenu::Track(int x, int y, CResourceManagerPort& ui) const
{
    return ui.TrackPopup(*this, x, y);
}
