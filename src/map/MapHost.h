#pragma once
// What the map designer needs of the program around it: whether it is the
// active designer, and the switch to the screen designer. The document
// implements it; tests may hand in their own.
class CMapHost {
public:
    virtual ~CMapHost() = default;

    virtual bool MapDesignerActive() const = 0;
    // Makes the screen designer the active one, open on this cell's screen.
    virtual void OpenScreenDesigner(int column, int row) = 0;
};
