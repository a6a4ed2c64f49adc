#pragma once
// A stand-in for the document behind the resource managers: its name lists,
// and the switches to the sheet designer asked of it.
#include "build/NameList.h"
#include "resources/ResourceHost.h"

#include <QStringList>

class CFakeResourceHost : public CResourceHost {
public:
    bool SwitchToSheetDesigner(const QString& sheetName) override
    {
        switches << sheetName;
        return allowSwitch;
    }
    CNameList& EntityList() override { return entities; }
    CNameList& SoundList() override { return sounds; }

    CNameList entities;
    CNameList sounds;
    QStringList switches;
    bool allowSwitch = true;
};
