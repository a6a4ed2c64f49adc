#pragma once
// The sprite-sheet designer's mode: entered from the sheet manager, left with
// "Back to map Layout".
#include "common/Designer.h"

class CMessagePort;

class CSheetDesigner : public CDesigner {
public:
    explicit CSheetDesigner(CMessagePort* ui) : ui(ui) {}
    CMessagePort* ui;
};
