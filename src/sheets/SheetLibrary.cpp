#include "sheets/SheetLibrary.h"

#include "support/io/FieldLine.h"
#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"
#include "support/ui/MessagePort.h"

CSheetLibrary::CSheetLibrary(CDisplay* display, CMessagePort& ui) : m_display(display), m_ui(ui)
{
    LoadAllSheets();
    SelectSheet(0);
}

CSheetLibrary::~CSheetLibrary()
{
    // The fill list borrows from the sheets.
    fillList.Clear();
    sheets.Clear();
}

void CSheetLibrary::LoadAllSheets()
{
    CTextReader file;
    if (!file.Open(SheetListPath())) {
        m_ui.MessageBox(QStringLiteral("Couldn't Open Sprite Sheet File!"), QStringLiteral("Error"));
        return;
    }
    QByteArray pathLine;
    QByteArray nameLine;
    // Two lines per entry: the path line is passed over, the name line counts.
    // A folder is told by the last character of the whole name line, which a
    // folder name of 127 characters pushes past the line buffer.
    while (ReadFieldLine(file, pathLine, kSheetListLineBuffer) && file.GetWholeLine(nameLine, kSheetListLineBuffer)) {
        if (nameLine.endsWith('\\'))
            continue; // a folder of the tree
        nameLine.truncate(kSheetListLineBuffer - 1);
        const QString entry = DecodeText(nameLine);
        auto sheet = std::make_unique<CSpriteSheet>();
        // A name that would leave "sprite sheets\" is never opened: the sheet
        // stays listed, empty, as one whose bitmap is missing.
        if (IsSafeFileName(entry))
            sheet->Load(SheetFolderPath(entry), m_display, m_ui);
        else
            sheet->name = SheetFolderPath(entry);
        sheets.Append(std::move(sheet), "ssheet");
    }
    RebuildFillList();
}

void CSheetLibrary::RebuildFillList()
{
    fillList.Clear();
    m_spriteByCode.clear();
    m_sheetOfSprite.clear();
    qsizetype count = 0;
    for (const CSpriteSheet* sheet : sheets)
        count += sheet->sprites.Count();
    m_spriteByCode.reserve(count);
    m_sheetOfSprite.reserve(count);
    for (CSpriteSheet* sheet : sheets)
        for (CSheetSprite* sprite : sheet->sprites) {
            if (sprite->fill)
                fillList.Append(sprite, "fill");
            // The first sprite of a code, in sheet order, is the one a code names.
            CSheetSprite*& named = m_spriteByCode[sprite->code];
            if (!named)
                named = sprite;
            m_sheetOfSprite.insert(sprite, sheet);
        }
}

void CSheetLibrary::SelectSheet(int step, int32_t* paletteScroll)
{
    const int count = sheets.Count();
    if (count == 0)
        return;
    if (paletteScroll && selectedSheet)
        selectedSheet->rememberedScroll = *paletteScroll;
    for (int tried = 0; tried < count + 1; ++tried) {
        const int64_t next = int64_t(selectedIndex) + step;
        if (next < 0)
            selectedIndex = count - 1;
        else if (next >= count)
            selectedIndex = 0;
        else
            selectedIndex = int32_t(next);
        selectedSheet = sheets.At(selectedIndex);
        if (selectedSheet->HasDesignerSprites())
            break;
    }
    if (paletteScroll)
        *paletteScroll = selectedSheet->rememberedScroll;
}

CSheetSprite* CSheetLibrary::FindSprite(const QByteArray& code) const
{
    return m_spriteByCode.value(code, nullptr);
}

CSpriteSheet* CSheetLibrary::FindSheetOf(const CSheetSprite* sprite) const
{
    return sprite ? m_sheetOfSprite.value(sprite, nullptr) : nullptr;
}
