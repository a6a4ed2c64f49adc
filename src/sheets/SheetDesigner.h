#pragma once
// The sprite-sheet designer's mode: entered from the sheet manager, left with
// "Back to map Layout".
#include "common/Designer.h"

class CUiPort;

class CSheetDesigner : public CDesigner {
public:
    explicit CSheetDesigner(CUiPort* ui) : ui(ui) {}
    CUiPort* ui;
};
