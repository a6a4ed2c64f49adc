#pragma once
// The Ui port with real windows: message boxes, file dialogs and the program's
// dialogs, owned by the main window.
#include "dialogs/EntityInfoDlg.h"
#include "document/UiPort.h"

#include <QList>
#include <QPointer>

#include <memory>

class CMainFrame;
class CSoundPlayer;
class CFileChooserDlg;
class QProgressDialog;
class QWidget;

class CWidgetUi : public CUiPort {
public:
    explicit CWidgetUi(CMainFrame* frame = nullptr);
    ~CWidgetUi() override;
    void SetFrame(CMainFrame* frame) { m_frame = frame; }

    int MessageBox(const QString& text, const QString& caption, Buttons buttons) override;
    void SetWindowTitle(const QString& title) override;
    void SetMenu(MenuId menu) override;
    void RequestFrame() override;
    void SetScrollPosition(ScrollBarKind bar, int position) override;
    QString ChooseOpenFile(const QString& defaultExtension, const QString& initialName,
                           const QString& filter) override;
    bool AskQuestName(QString& name) override;
    bool AskName(const QString& title, const QString& prompt, QString& name) override;
    void ShowAbout() override;
    void Quit(int code) override;
    int ScreenPropertiesDialog(CMapCell& cell, int column, int row) override;
    int GroupPropertiesDialog(CGroup& group, CGroupList& groups, CNameList& soundList) override;
    bool MoveScreenDialog(int& column, int& row) override;
    bool QuestPropertiesDialog(QuestProperties& properties) override;
    int ScriptErrorsDialog() override;
    void Progress(const QString& step, int done, int total) override;
    // The progress window of the job under way, or null (none, or it gave way
    // to a message or dialog until the job's next step).
    QProgressDialog* ProgressWindow() const { return m_progress.get(); }

    void ShowScrollBars(bool shown) override;
    void ResizeMainFrame(int width, int height) override;
    int ScreenWidth() override;
    void FocusMainWindow() override;
    void CreateEntityWindow(int clientX, int clientY) override;
    void SetEntity(CPlacedSprite* entity, int worldX, int worldY, const QString& type,
                   std::function<void(int visit)> nameChanged) override;
    void ShowEntityWindow(bool shown) override;
    void CloseEntityWindow() override;
    CEntityInfoDlg* EntityWindow() const { return m_entityWindow.data(); }

    int SpritePropertiesDialog(CDesignerSprite& sprite, CSheetDesigner& designer) override;
    bool RedefineSpriteDialog(CRect& rectangle) override;
    void SpriteListDialog(CSheetDesigner& designer) override;
    bool SheetPropertiesDialog(QString& title) override;
    void AnimatedSpriteDialog(CSpriteAnimation& animation, CSheetDesigner& designer) override;

    int ResourceManagerDialog(CResourceManager& manager) override;
    int TrackPopup(const CPopupMenu& menu, int x, int y) override;
    void PlaySound(const QString& logicalPath) override;
    int SheetEntitiesDialog(CSheetEntitiesImport& import) override;

    // The one sound player of the program, made when a sound is first played.
    CSoundPlayer* SoundPlayer() const { return m_soundPlayer.get(); }

private:
    // What a message, file chooser or dialog opens over: the dialog open now,
    // else the editor's view.
    QWidget* Owner() const;
    QWidget* ViewWindow() const;
    void ProgressGivesWay();
    CMainFrame* m_frame;
    // The resource manager and sheet import dialogs open now, innermost last.
    QList<QPointer<QWidget>> m_dialogOwners;
    std::unique_ptr<CSoundPlayer> m_soundPlayer;
    std::unique_ptr<QProgressDialog> m_progress;
    // A child of the main window, which may delete it first.
    QPointer<CEntityInfoDlg> m_entityWindow;
};

// Turns a filter of the "Name|*.ext|Name|*.ext||" form into Qt's form: each
// name whole, its patterns after it in parentheses ("*.*" as "*"), to be shown
// with QFileDialog::HideNameFilterDetails so that the names read as given.
QString QtFileFilter(const QString& filter);
// Prepares the file chooser of the Ui port: the filter, the default extension
// ("*.qss") for a name typed without one, and the logical initial name
// ("save\*.qss") as the folder and the name field.
void SetUpOpenFileDialog(CFileChooserDlg& dialog, const QString& defaultExtension, const QString& initialName,
                         const QString& filter);
