#include "app/WidgetUi.h"

#include "app/MainFrame.h"
#include "app/QuestView.h"
#include "app/SoundPlayer.h"
#include "common/DialogResults.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/AnimatedSpriteDlg.h"
#include "dialogs/DialogMessage.h"
#include "dialogs/EntityInfoDlg.h"
#include "dialogs/FileChooserDlg.h"
#include "dialogs/GroupPropertiesDlg.h"
#include "dialogs/MoveScreenDlg.h"
#include "dialogs/NameEntryDlg.h"
#include "dialogs/QuestNameDlg.h"
#include "dialogs/QuestPropertiesDlg.h"
#include "dialogs/RedefineSpriteDlg.h"
#include "dialogs/ScreenPropertiesDlg.h"
#include "dialogs/ScriptErrorsDlg.h"
#include "dialogs/SheetPropertiesDlg.h"
#include "dialogs/SpriteListDlg.h"
#include "dialogs/SpritePropertiesDlg.h"
#include "support/io/TextCodec.h"
#include "support/paths/Globals.h"
#include "support/paths/LogicalPath.h"

#include <QApplication>
#include <QScreen>
#include <QProgressDialog>
#include <QScrollBar>

CWidgetUi::CWidgetUi(CMainFrame* frame) : m_frame(frame) {}

CWidgetUi::~CWidgetUi()
{
    CloseEntityWindow();
}

QWidget* CWidgetUi::Owner() const
{
    for (auto owner = m_dialogOwners.crbegin(); owner != m_dialogOwners.crend(); ++owner)
        if (*owner)
            return owner->data();
    return ViewWindow();
}

QWidget* CWidgetUi::ViewWindow() const
{
    if (m_frame && m_frame->View())
        return m_frame->View();
    return m_frame;
}

int CWidgetUi::MessageBox(const QString& text, const QString& caption, Buttons buttons)
{
    ProgressGivesWay();
    return CDialogMessages(Owner()).MessageBox(text, caption, buttons);
}

void CWidgetUi::SetWindowTitle(const QString& title)
{
    if (m_frame)
        m_frame->setWindowTitle(DisplayText(title));
}

void CWidgetUi::SetMenu(MenuId menu)
{
    if (m_frame)
        m_frame->SetMenu(menu);
}

void CWidgetUi::RequestFrame()
{
    if (m_frame && m_frame->View())
        m_frame->View()->Redraw();
}

void CWidgetUi::SetScrollPosition(ScrollBarKind bar, int position)
{
    if (m_frame && m_frame->View())
        m_frame->View()->SetScrollPosition(bar, position);
}

QString QtFileFilter(const QString& filter)
{
    QStringList parts = filter.split(QLatin1Char('|'));
    QStringList qt;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        // Qt's "*.*" matches only names with a dot; the platform's means every file.
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            if (pattern.trimmed() == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        qt << parts[i].trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return qt.join(QStringLiteral(";;"));
}

void SetUpOpenFileDialog(CFileChooserDlg& dialog, const QString& defaultExtension, const QString& initialName,
                         const QString& filter)
{
    dialog.SetFilter(filter);
    // "*.qss": a name typed without an extension gets ".qss".
    QString suffix = defaultExtension;
    while (suffix.startsWith(QLatin1Char('*')) || suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dialog.SetDefaultSuffix(suffix);
    // The initial name is logical, "save\*.qss": a folder below the base
    // directory and what the name field starts with, a pattern or a name.
    const qsizetype cut = initialName.lastIndexOf(QLatin1Char('\\'));
    dialog.SetFolder(NativePath(cut < 0 ? QString() : initialName.left(cut)));
    dialog.SetFileName(initialName.mid(cut + 1));
}

QString CWidgetUi::ChooseOpenFile(const QString& defaultExtension, const QString& initialName, const QString& filter)
{
    ProgressGivesWay();
    // The chosen path keeps the bytes of its names.
    CFileChooserDlg dialog(Owner());
    SetUpOpenFileDialog(dialog, defaultExtension, initialName, filter);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.SelectedFile();
}

bool CWidgetUi::AskQuestName(QString& name)
{
    ProgressGivesWay();
    CQuestNameDlg dialog(Owner());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    name = dialog.name;
    return true;
}

bool CWidgetUi::AskName(const QString& title, const QString& prompt, QString& name)
{
    ProgressGivesWay();
    CNameEntryDlg dialog(Owner());
    dialog.title = title;
    dialog.prompt = prompt;
    dialog.name = name;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    name = dialog.name;
    return true;
}

void CWidgetUi::ShowAbout()
{
    CAboutDlg dialog(Owner());
    dialog.exec();
}

void CWidgetUi::Quit(int code)
{
    // Leaving goes through the main window's close, which saves the map file
    // and may be refused; the program ends with its last window (code 0).
    if (m_frame)
        m_frame->close();
    else
        QApplication::exit(code);
}

// A dialog's end as the platform reports it: Qt's "rejected" is the cancel answer.
static int PlatformResult(int result)
{
    return result == QDialog::Rejected ? CUiPort::AnswerCancel : result;
}

int CWidgetUi::ScreenPropertiesDialog(CMapCell& cell, int column, int row)
{
    CScreenPropertiesDlg dialog(&cell, column, row, Owner());
    return PlatformResult(dialog.exec());
}

int CWidgetUi::GroupPropertiesDialog(CGroup& group, CGroupList& groups, CNameList& soundList)
{
    CGroupPropertiesDlg dialog(&group, &groups, &soundList, this, Owner());
    return PlatformResult(dialog.exec());
}

bool CWidgetUi::MoveScreenDialog(int& column, int& row)
{
    CMoveScreenDlg dialog(Owner());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    column = int(dialog.column);
    row = int(dialog.row);
    return true;
}

bool CWidgetUi::QuestPropertiesDialog(QuestProperties& properties)
{
    CQuestPropertiesDlg dialog(&properties, Owner());
    return dialog.exec() == QDialog::Accepted;
}

int CWidgetUi::ScriptErrorsDialog()
{
    ProgressGivesWay();
    CScriptErrorsDlg dialog(Owner());
    const int result = dialog.exec();
    if (result == kEditScript)
        return kEditScript;
    return result == QDialog::Accepted ? AnswerOk : AnswerCancel;
}

void CWidgetUi::ProgressGivesWay()
{
    // A modal window over a question would leave the question unanswerable:
    // the progress window goes, and the job's next step brings it back.
    m_progress.reset();
}

void CWidgetUi::Progress(const QString& step, int done, int total)
{
    // A modal progress window while a build runs; it goes when the build ends,
    // and before every message or dialog the build shows.
    if (done >= total) {
        m_progress.reset();
        return;
    }
    if (!m_progress) {
        m_progress = std::make_unique<QProgressDialog>(QStringLiteral("Building the quest file..."), QString(), 0,
                                                       total, Owner());
        m_progress->setWindowTitle(QStringLiteral("Write Quest file"));
        m_progress->setWindowModality(Qt::WindowModal);
        m_progress->setMinimumDuration(300);
        m_progress->setCancelButton(nullptr);
        m_progress->setValue(0); // its wait before it shows starts now, also when it comes back mid-job
    }
    m_progress->setMaximum(total);
    m_progress->setLabelText(QStringLiteral("Building the quest file: %1").arg(step));
    m_progress->setValue(done);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CWidgetUi::ShowScrollBars(bool shown)
{
    if (m_frame && m_frame->View())
        m_frame->View()->ShowScrollBars(shown);
}

void CWidgetUi::ResizeMainFrame(int width, int height)
{
    if (m_frame)
        m_frame->resize(width, height); // a resize leaves the window where it is
}

int CWidgetUi::ScreenWidth()
{
    const QScreen* screen = m_frame ? m_frame->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

void CWidgetUi::FocusMainWindow()
{
    if (!m_frame)
        return;
    m_frame->activateWindow();
    if (m_frame->View())
        m_frame->View()->setFocus();
}

void CWidgetUi::CreateEntityWindow(int clientX, int clientY)
{
    CloseEntityWindow();
    m_entityWindow = new CEntityInfoDlg(m_frame);
    m_entityWindow->adjustSize();
    QWidget* client = m_frame ? (m_frame->View() ? static_cast<QWidget*>(m_frame->View()) : m_frame) : nullptr;
    m_entityWindow->move(client ? client->mapToGlobal(QPoint(clientX, clientY)) : QPoint(clientX, clientY));
}

void CWidgetUi::SetEntity(CPlacedSprite* entity, int worldX, int worldY, const QString& type,
                          std::function<void(int visit)> nameChanged)
{
    if (m_entityWindow)
        m_entityWindow->SetEntity(entity, worldX, worldY, type, std::move(nameChanged));
}

void CWidgetUi::ShowEntityWindow(bool shown)
{
    if (m_entityWindow)
        m_entityWindow->Show(shown);
}

void CWidgetUi::CloseEntityWindow()
{
    delete m_entityWindow.data(); // nothing when the main window took it already
}

// The sheet designer's dialogs open over one another (the sprite list opens the
// sprite properties, which open Redefine): each over the one that asked.
static QWidget* Over(QWidget* owner)
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : owner;
}

int CWidgetUi::SpritePropertiesDialog(CDesignerSprite& sprite, CSheetDesigner& designer)
{
    CSpritePropertiesDlg dialog(&sprite, &designer, Over(Owner()));
    return PlatformResult(dialog.exec());
}

bool CWidgetUi::RedefineSpriteDialog(CRect& rectangle)
{
    CRedefineSpriteDlg dialog(&rectangle, Over(Owner()));
    return dialog.exec() == QDialog::Accepted;
}

void CWidgetUi::SpriteListDialog(CSheetDesigner& designer)
{
    CSpriteListDlg dialog(&designer, Owner());
    dialog.exec();
}

bool CWidgetUi::SheetPropertiesDialog(QString& title)
{
    CSheetPropertiesDlg dialog(title, Owner());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    title = dialog.title;
    return true;
}

void CWidgetUi::AnimatedSpriteDialog(CSpriteAnimation& animation, CSheetDesigner& designer)
{
    CAnimatedSpriteDlg dialog(&animation, &designer, Over(Owner()));
    dialog.exec();
}
