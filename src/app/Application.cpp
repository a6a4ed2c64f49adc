#include "app/Application.h"

#include "app/MainFrame.h"
#include "app/QuestView.h"
#include "app/WidgetUi.h"
#include "dialogs/StartDlg.h"
#include "document/QuestDoc.h"
#include "support/paths/BaseDirectory.h"
#include "support/paths/Globals.h"
#include "support/platform/DiagnosticLog.h"

#include <QCoreApplication>
#include <QDir>


CApplication::CApplication()
{
    ui = std::make_unique<CWidgetUi>();
    document = std::make_unique<CQuestDoc>(*ui);
    frame = std::make_unique<CMainFrame>(*document);
    ui->SetFrame(frame.get());
}

CApplication::~CApplication()
{
    frame.reset(); // the map file was saved when the window closed
    document.reset();
}

bool CApplication::Start(bool showStartDialog, const QString& baseDirectory)
{
    frame->show();
    const BaseDirectoryChoice base = ChooseBaseDirectory(baseDirectory);
    g_baseDirectory = base.path;
    InitLog();
    LogLine(g_baseDirectory);
    if (!base.madeFrom.isEmpty())
        LogLine(QStringLiteral("The base directory was made from the installed one, %1").arg(base.madeFrom));
    if (!base.problem.isEmpty())
        LogLine(base.problem);
    frame->View()->InitialUpdate();
    // The benchmark of the editor's start: opens the map file named (below
    // the base directory) instead of asking, and ends once its first frame
    // is shown.
    const QString firstFrameOf = qEnvironmentVariable("TESSELL_FIRST_FRAME_OF");
    if (!firstFrameOf.isEmpty()) {
        document->quest.files.OpenQuestFile(QDir(g_baseDirectory).filePath(firstFrameOf), false);
        QObject::connect(frame->View(), &CQuestView::FrameShown, qApp, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        return true;
    }
    if (!showStartDialog)
        return true;
    CStartDlg start(*document, frame.get());
    return start.exec() != CStartDlg::ExitChosen;
}
