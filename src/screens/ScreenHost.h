#pragma once
// What the screen designer needs of the program around it: the way back to
// the map, the quest's entity list read again, and word that a screen was
// saved (so the map shows its new preview). The document implements it.
class CScreenHost {
public:
    virtual ~CScreenHost() = default;

    // Makes the map designer the active designer and activates it.
    virtual void ReturnToMap() = 0;
    virtual void ReloadEntityList() = 0;
    // The screen file of the cell was saved; its preview too when
    // previewWritten.
    virtual void ScreenSaved(int column, int row, bool previewWritten) = 0;
};
