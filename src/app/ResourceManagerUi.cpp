// The resource managers' part of the widget Ui port: the manager dialogs and
// the sheet entities dialog, their popups, and the sounds they play.
#include "app/WidgetUi.h"

#include "app/SoundPlayer.h"
#include "dialogs/ResourceManagerDlg.h"
#include "dialogs/SheetEntitiesDlg.h"
#include "resources/PopupMenu.h"
#include "resources/ResourceManager.h"

#include <QAction>
#include <QMenu>

namespace {
// While a dialog is open, the messages, file choosers and dialogs it asks for
// open over it.
class DialogOwnerScope {
public:
    DialogOwnerScope(QList<QPointer<QWidget>>& owners, QWidget* dialog) : m_owners(owners)
    {
        m_owners.append(QPointer<QWidget>(dialog));
    }
    ~DialogOwnerScope() { m_owners.removeLast(); }
    DialogOwnerScope(const DialogOwnerScope&) = delete;
    DialogOwnerScope& operator=(const DialogOwnerScope&) = delete;

private:
    QList<QPointer<QWidget>>& m_owners;
};
} // namespace

int CWidgetUi::ResourceManagerDialog(CResourceManager& manager)
{
    const std::unique_ptr<CResourceManagerDlg> dialog = MakeResourceManagerDlg(manager, Owner());
    const DialogOwnerScope scope(m_dialogOwners, dialog.get());
    const int result = dialog->exec();
    if (dialog->EndedByManager())
        return manager.EndResult();
    return result == QDialog::Accepted ? AnswerOk : AnswerCancel;
}

int CWidgetUi::TrackPopup(const CPopupMenu& menu, int x, int y)
{
    // The popup belongs to the editor's view, whatever dialog is open.
    QMenu popup(ViewWindow());
    for (const CPopupMenu::Item& item : menu.Items())
        popup.addAction(item.text)->setData(item.command);
    const QAction* chosen = popup.exec(QPoint(x, y));
    return chosen ? chosen->data().toInt() : 0;
}

void CWidgetUi::PlaySound(const QString& logicalPath)
{
    if (!m_soundPlayer)
        m_soundPlayer = std::make_unique<CSoundPlayer>(*this);
    m_soundPlayer->Play(logicalPath);
}

int CWidgetUi::SheetEntitiesDialog(CSheetEntitiesImport& import)
{
    CSheetEntitiesDlg dialog(import, Owner());
    const DialogOwnerScope scope(m_dialogOwners, &dialog);
    return dialog.exec() == QDialog::Accepted ? AnswerOk : AnswerCancel;
}
