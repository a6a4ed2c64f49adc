#include "app/WidgetUi.h"

#include "app/MainFrame.h"
#include "app/QuestView.h"
#include "common/DialogResults.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/DialogMessage.h"
#include "dialogs/GroupPropertiesDlg.h"
#include "dialogs/MoveScreenDlg.h"
#include "dialogs/NameEntryDlg.h"
#include "dialogs/QuestNameDlg.h"
#include "dialogs/QuestPropertiesDlg.h"
#include "dialogs/ScreenPropertiesDlg.h"
#include "dialogs/ScriptErrorsDlg.h"
#include "support/Globals.h"
#include "support/LogicalPath.h"
#include "support/TextCodec.h"

#include <QApplication>
#include <QFileDialog>
#include <QProgressDialog>
#include <QScrollBar>

CWidgetUi::CWidgetUi(CMainFrame* frame) : m_frame(frame) {}

CWidgetUi::~CWidgetUi() = default;

QWidget* CWidgetUi::Owner() const
{
    if (m_frame && m_frame->View())
        return m_frame->View();
    return m_frame;
}

int CWidgetUi::MessageBox(const QString& text, const QString& caption, Buttons buttons)
{
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    if (buttons == ButtonsYesNo)
        standard = QMessageBox::Yes | QMessageBox::No;
    else if (buttons == ButtonsYesNoCancel)
        standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    switch (ShowDialogMessage(Owner(), text, caption, standard)) {
    case QMessageBox::Yes:
        return AnswerYes;
    case QMessageBox::No:
        return AnswerNo;
    case QMessageBox::Cancel:
        return AnswerCancel;
    default:
        return AnswerOk;
    }
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
        const QString name = parts[i].trimmed();
        const QString patterns = parts[i + 1].split(QLatin1Char(';')).join(QLatin1Char(' '));
        qt << (name.contains(QLatin1Char('(')) ? name : name + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return qt.join(QStringLiteral(";;"));
}

QString CWidgetUi::ChooseOpenFile(const QString& defaultExtension, const QString& initialName, const QString& filter)
{
    (void)defaultExtension;
    QString start = initialName;
    start.remove(QLatin1Char('*'));
    const QString folder = NativePath(start.section(QLatin1Char('\\'), 0, -2));
    const QString file = start.section(QLatin1Char('\\'), -1).section(QLatin1Char('.'), 0, 0);
    return QFileDialog::getOpenFileName(Owner(), QString(),
                                        file.isEmpty() ? folder : folder + QLatin1Char('/') + file,
                                        QtFileFilter(filter));
}

bool CWidgetUi::AskQuestName(QString& name)
{
    CQuestNameDlg dialog(Owner());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    name = dialog.name;
    return true;
}

bool CWidgetUi::AskName(const QString& title, const QString& prompt, QString& name)
{
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
    QApplication::exit(code);
}

// A dialog's end as the platform reports it: Qt's "rejected" is the cancel answer.
static int PlatformResult(int result)
{
    return result == QDialog::Rejected ? CUiPort::AnswerCancel : result;
}

int CWidgetUi::ScreenPropertiesDialog(CMapCell& cell, int, int)
{
    CScreenPropertiesDlg dialog(&cell, Owner());
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
    CScriptErrorsDlg dialog(Owner());
    const int result = dialog.exec();
    if (result == kEditScript)
        return kEditScript;
    return result == QDialog::Accepted ? AnswerOk : AnswerCancel;
}

void CWidgetUi::Progress(const QString& step, int done, int total)
{
    // A modal progress window while a build runs; it goes when the build ends.
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
    }
    m_progress->setMaximum(total);
    m_progress->setLabelText(QStringLiteral("Building the quest file: %1").arg(step));
    m_progress->setValue(done);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
