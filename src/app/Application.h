#pragma once
// Start-up of the editor: document, frame and view, the log, the base
// directory, the view's first update and the start dialog.
#include <QString>

#include <memory>

class CMainFrame;
class CQuestDoc;
class CWidgetUi;

class CApplication {
public:
    CApplication();
    ~CApplication();
    // Runs the start-up sequence on the base directory named (when empty, the
    // one ChooseBaseDirectory finds). False when the start dialog chose Exit.
    bool Start(bool showStartDialog = true, const QString& baseDirectory = QString());

    std::unique_ptr<CWidgetUi> ui;
    std::unique_ptr<CQuestDoc> document;
    std::unique_ptr<CMainFrame> frame;
};
