// The resource managers' part of the widget Ui port.
// Interim: the popup is real; the manager dialogs, the sheet entities dialog
// and sound playback arrive with their widgets.
#include "app/WidgetUi.h"

#include "resources/PopupMenu.h"

#include <QAction>
#include <QMenu>

int CWidgetUi::ResourceManagerDialog(CResourceManager&)
{
    return AnswerCancel;
}

int CWidgetUi::TrackPopup(const CPopupMenu& menu, int x, int y)
{
    QMenu popup(Owner());
    for (const CPopupMenu::Item& item : menu.Items())
        popup.addAction(item.text)->setData(item.command);
    const QAction* chosen = popup.exec(QPoint(x, y));
    return chosen ? chosen->data().toInt() : 0;
}

void CWidgetUi::PlaySound(const QString&) {}

int CWidgetUi::SheetEntitiesDialog(CSheetEntitiesImport&)
{
    return AnswerCancel;
}
