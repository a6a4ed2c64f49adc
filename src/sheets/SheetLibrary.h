#pragma once
// Every sheet the open quest uses, loaded from the quest's "sheets.txt": the
// screen designer paints with their sprites and screen files name sprites by
// code. Also the list of fill tiles and which sheet the designer shows.
#include "common/TaggedList.h"
#include "sheets/SpriteSheet.h"

#include <QByteArray>
#include <QHash>

#include <cstdint>

class CDisplay;
class CMessagePort;

class CSheetLibrary {
public:
    // Loads every listed sheet, then selects with step 0.
    CSheetLibrary(CDisplay* display, CMessagePort& ui);
    virtual ~CSheetLibrary();

    // Reads "questdata\{quest}\sheets.txt" (name lines only, folders skipped)
    // and loads each sheet; "Couldn't Open Sprite Sheet File!" when the list is
    // missing.
    void LoadAllSheets();
    // Every fill tile of every sheet, sheet by sheet, sprite by sprite; also
    // indexes every sprite by its code and its sheet, for the look-ups below.
    void RebuildFillList();
    // Moves the selection by `step`, wrapping, and on past sheets that offer the
    // designer nothing. `paletteScroll`, when given, is the sprite strip's scroll
    // offset: kept by the sheet left and set from the sheet chosen.
    void SelectSheet(int step, int32_t* paletteScroll = nullptr);

    CSheetSprite* FindSprite(const QByteArray& code) const;
    CSpriteSheet* FindSheetOf(const CSheetSprite* sprite) const;

    CTaggedList<CSheetSprite, false> fillList; // tag "fill"
    CTaggedList<CSpriteSheet> sheets;          // tag "ssheet"
    CSpriteSheet* selectedSheet = nullptr;
    int32_t selectedIndex = 0;

private:
    CDisplay* m_display;
    CMessagePort& m_ui;
    // Screens name thousands of sprites by code: the look-ups go by index.
    QHash<QByteArray, CSheetSprite*> m_spriteByCode;
    QHash<const CSheetSprite*, CSpriteSheet*> m_sheetOfSprite;
};

// The library reads sheets.txt with lines of at most 127 characters.
constexpr int kSheetListLineBuffer = 128;
