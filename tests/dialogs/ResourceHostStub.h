#pragma once
// The program around a resource manager in the dialog tests: the quest's name
// lists and a sheet designer that records the sheets it was asked to open.
#include "build/NameList.h"
#include "resources/ResourceHost.h"

#include <QStringList>

struct CResourceHostStub : CResourceHost {
    bool SwitchToSheetDesigner(const QString& sheetName) override
    {
        sheetsOpened << sheetName;
        return true;
    }
    CNameList& EntityList() override { return entities; }
    CNameList& SoundList() override { return sounds; }
    CNameList entities;
    CNameList sounds;
    QStringList sheetsOpened;
};
