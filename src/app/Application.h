#pragma once
// Start-up of the editor: document, frame and view, the log, the base
// directory, the view's first update and the start dialog.
#include <memory>

class CMainFrame;
class CQuestDoc;
class CWidgetUi;

class CApplication {
public:
    CApplication();
    ~CApplication();
    // Runs the start-up sequence. False when the start dialog chose Exit.
    bool Start(bool showStartDialog = true);

    std::unique_ptr<CWidgetUi> ui;
    std::unique_ptr<CQuestDoc> document;
    std::unique_ptr<CMainFrame> frame;
};
