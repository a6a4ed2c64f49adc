#include "app/WidgetUi.h"

#include "app/MainFrame.h"
#include "app/QuestView.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/DialogMessage.h"
#include "dialogs/QuestNameDlg.h"
#include "support/Globals.h"
#include "support/LogicalPath.h"

#include <QApplication>
#include <QFileDialog>
#include <QScrollBar>

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
        m_frame->setWindowTitle(title);
}

void CWidgetUi::SetMenu(int menuId)
{
    if (m_frame)
        m_frame->SetMenu(menuId);
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
    (void)title;
    (void)prompt;
    (void)name;
    return false;
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

int CWidgetUi::ScreenPropertiesDialog(CMapCell&, int, int)
{
    return AnswerCancel;
}

int CWidgetUi::GroupPropertiesDialog(CGroup&, CGroupList&, CNameList&)
{
    return AnswerCancel;
}

bool CWidgetUi::MoveScreenDialog(int&, int&)
{
    return false;
}

bool CWidgetUi::QuestPropertiesDialog(QuestProperties&)
{
    return false;
}

int CWidgetUi::ScriptErrorsDialog()
{
    return AnswerOk;
}

void CWidgetUi::Progress(const QString&, int, int) {}
