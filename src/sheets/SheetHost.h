#pragma once
// What the sheet designer needs of the program around it: the way back to the
// map, and whether the screen designer shows double size (the pointer snaps
// one pixel further then). The document implements it.
class CSheetHost {
public:
    virtual ~CSheetHost() = default;

    // Makes the map designer the active designer and activates it.
    virtual void ReturnToMap() = 0;
    virtual bool ScreenDoubleSize() const = 0;
};
