#include "screens/ScreenDesigner.h"

#include "display/Display.h"
#include "support/WindowPort.h"

void CScreenDesigner::OpenScreen(int c, int r)
{
    column = c;
    row = r;
    window->SetMenu(kScreenMenu);
}

void CScreenDesigner::draw(CDisplay* target)
{
    if (!target || !target->IsReady())
        return;
    target->Clear(0xFFFF);
    target->Text(nullptr, QStringLiteral("Screen %1-%2").arg(column).arg(row), 20, 20, 0xFFFFFF, 0);
}
