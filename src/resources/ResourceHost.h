#pragma once
// What the resource managers need of the program around them: the switch to
// the sheet designer and the quest's entity and sound name lists. The document
// implements it; tests may hand in their own.
#include <QString>

class CNameList;

class CResourceHost {
public:
    virtual ~CResourceHost() = default;

    // Makes the sheet designer the active designer, open on a sheet list name,
    // once the designer active now has let go of its work (it may ask to save
    // it). False when the person chose to stay.
    virtual bool SwitchToSheetDesigner(const QString& sheetName) = 0;
    virtual CNameList& EntityList() = 0;
    virtual CNameList& SoundList() = 0;
};
