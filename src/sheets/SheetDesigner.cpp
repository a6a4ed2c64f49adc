#include "sheets/SheetDesigner.h"

#include "common/DialogResults.h"
#include "common/MenuId.h"
#include "display/Display.h"
#include "sheets/DesignerSheetFile.h"
#include "sheets/SheetDesignerPort.h"
#include "sheets/SheetFileWriter.h"
#include "sheets/SheetHost.h"
#include "sheets/SheetRecoveryFile.h"
#include "support/io/NativeFile.h"
#include "support/io/TextCodec.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"
#include "support/ui/MessagePort.h"
#include "support/ui/WindowPort.h"

#include <QFile>

CSheetDesigner::CSheetDesigner(CMessagePort& messages, CWindowPort& window, CSheetDesignerPort& port,
                               CSheetHost* host)
    : recovery([this] { return SheetRecoveryBytes(title, sprites, animations); }), m_messages(messages),
      m_window(window), m_port(port), m_host(host)
{
    const Colour colours[] = {Rgb(255, 255, 0), Rgb(0, 0, 0),   Rgb(255, 255, 255),
                              Rgb(0, 255, 0),   Rgb(0, 0, 255), Rgb(255, 0, 255)};
    for (size_t i = 0; i < selectionPens.size(); ++i)
        selectionPens[i] = CPen{colours[i], 2, PenStyle::Dotted};
    outlinePen = CPen{Rgb(0, 0, 255), 2, PenStyle::Solid};
}

CSheetDesigner::~CSheetDesigner()
{
    // The animations borrow the sprites.
    animations.Clear();
    sprites.Clear();
}

void CSheetDesigner::Open(const QString& name)
{
    originX = 7;
    originY = 7;
    hovered = nullptr;
    modified = 0;
    sheetName = name;
    if (display && display->IsReady())
        display->Clear(kSheetBackground);
    m_window.SetMenu(kSheetMenu);

    surface.reset();
    const QString bitmap = SheetBitmapPath(name);
    if (!display || display->CreateSurfaceFromBitmap(&surface, NativePath(bitmap)) != S_OK) {
        surface.reset();
        m_messages.MessageBox(QStringLiteral("Couldn't Load Sprite Sheet"), bitmap);
        // Nothing is there to edit: the designer's old sprites belong to
        // another sheet, and saving them under this name would replace its file.
        if (m_host)
            m_host->ReturnToMap();
        return;
    }

    hovered = nullptr;
    animations.Clear();
    sprites.Clear();
    title.clear();
    dragging = 0;
    drag = CRect{-5, -5, -5, -5};
    QFile file;
    if (OpenLogicalFileForReading(file, SheetFilePath(name)))
        ReadDesignerSheet(file.readAll(), title, sprites, animations);
    // A sheet's edits are its own: the history starts anew with each.
    undoStack.clear();
    recovery.Start(SheetRecoveryPath(name));
    OfferRecovery();
}

CSheetDesigner::SaveResult CSheetDesigner::Save()
{
    if (sprites.IsEmpty())
        return SaveResult::NothingToWrite;
    const SheetFileRecords records = SheetFileRecordsOf(sprites);
    if (!WriteSheetFile(sheetName, title, records.sprites, m_messages))
        return SaveResult::Failed;
    undoStack.setClean();
    recovery.Discard();
    modified = 0;
    return SaveResult::Saved;
}

bool CSheetDesigner::AskToSave()
{
    if (!modified)
        return true;
    const int answer = m_messages.MessageBox(QStringLiteral("Do you want to save your changes?"),
                                             QStringLiteral("Tessellmancery"), CMessagePort::ButtonsYesNoCancel);
    if (answer == CMessagePort::AnswerCancel)
        return false;
    // A sheet that could not be written keeps the designer open, so that the
    // edits are not lost on the way out.
    if (answer == CMessagePort::AnswerYes)
        return Save() != SaveResult::Failed;
    recovery.Discard();
    return true;
}

bool CSheetDesigner::BackToMap()
{
    if (!AskToSave())
        return false;
    if (m_host)
        m_host->ReturnToMap();
    return true;
}

void CSheetDesigner::CreateSprite()
{
    if (drag.left < 0 || drag.top < 0 || drag.right < 0 || drag.bottom < 0) {
        m_messages.MessageBox(QStringLiteral("You have to drag out an area to create your sprite from,\nusing the "
                                             "left mouse button before you can create a sprite."),
                              QStringLiteral("Attention"));
        return;
    }
    if (drag.left == drag.right || drag.top == drag.bottom)
        return;
    if (drag.left > drag.right)
        std::swap(drag.left, drag.right);
    if (drag.top > drag.bottom)
        std::swap(drag.top, drag.bottom);
    auto sprite = std::make_unique<CDesignerSprite>();
    const int32_t dx = originX + 3;
    const int32_t dy = originY + 3;
    sprite->rectangle = CRect{drag.left - dx, drag.top - dy, drag.right - dx, drag.bottom - dy};
    BeginEdit();
    CDesignerSprite* made = sprites.Append(std::move(sprite), "sprite");
    // Deleted from its own dialog, the sprite leaves nothing to take back.
    const bool kept = EditSpriteProperties(made) > 0;
    EndEdit(kept ? QStringLiteral("Create sprite ") + DisplayBytes(made->code) : QString());
}

void CSheetDesigner::CreateAnimatedSprite()
{
    BeginEdit();
    // The animation stays whatever the dialog does; without frames it leaves
    // no trace in the file and is gone at the next Open.
    EditAnimation(animations.Append(std::make_unique<CSpriteAnimation>(), "Anim"));
    EndEdit(QStringLiteral("Create animated sprite"), true);
}

void CSheetDesigner::EditAnimation(CSpriteAnimation* animation)
{
    if (!animation)
        return;
    BeginEdit();
    m_port.AnimatedSpriteDialog(*animation, *this);
    EndEdit(QStringLiteral("Edit animation"));
}

void CSheetDesigner::ListSprites()
{
    m_port.SpriteListDialog(*this);
}

void CSheetDesigner::SheetProperties()
{
    const QString shown = DisplayBytes(title);
    QString edited = shown;
    if (!m_port.SheetPropertiesDialog(edited))
        return;
    BeginEdit();
    // An untouched title keeps its bytes, whatever their encoding.
    if (edited != shown)
        title = EncodeText(edited);
    EndEdit(QStringLiteral("Sheet properties"), true);
}

int CSheetDesigner::EditSpriteProperties(CDesignerSprite* sprite)
{
    if (!sprite)
        return -1;
    BeginEdit();
    const int result = m_port.SpritePropertiesDialog(*sprite, *this);
    if (result == kDeleteSprite) {
        const QString text = QStringLiteral("Delete sprite ") + DisplayBytes(sprite->code);
        DeleteSprite(sprite);
        EndEdit(text);
        return -2;
    }
    EndEdit(QStringLiteral("Edit sprite ") + DisplayBytes(sprite->code), result == kDialogOk);
    return 1;
}

void CSheetDesigner::DeleteSprite(CDesignerSprite* sprite)
{
    if (!sprite)
        return;
    BeginEdit();
    const QString text = QStringLiteral("Delete sprite ") + DisplayBytes(sprite->code);
    if (hovered == sprite)
        hovered = nullptr;
    for (CSpriteAnimation* animation : animations)
        animation->RemoveEveryFrameOf(sprite);
    sprites.Remove(sprite);
    EndEdit(text);
}

std::vector<SpriteLine> CSheetDesigner::SpriteLines() const
{
    std::vector<SpriteLine> lines;
    for (CDesignerSprite* sprite : sprites) {
        QString text = DisplayBytes(sprite->code);
        if (sprite->animated)
            text += QStringLiteral("    (Anim)");
        lines.push_back({text, sprite});
    }
    return lines;
}

bool CSheetDesigner::CodeInUse(const QByteArray& code, const CDesignerSprite* except) const
{
    for (const CDesignerSprite* sprite : sprites)
        if (sprite != except && sprite->code == code)
            return true;
    return false;
}
