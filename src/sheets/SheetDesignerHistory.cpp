// The sheet designer's edit history and recovery file: every edit of the
// sheet is one command holding the designer's whole sheet before and after
// it; the saved state is the stack's clean state; the edits not yet saved are
// copied to a recovery file, offered back when the sheet is next opened after
// the program ended without saving.
#include "common/SnapshotCommand.h"
#include "sheets/SheetDesigner.h"
#include "sheets/SheetRecoveryFile.h"
#include "support/paths/QuestPaths.h"
#include "support/ui/MessagePort.h"

namespace {
using CSheetEdit = CSnapshotCommand<SheetContent>;
} // namespace

void CSheetDesigner::BeginEdit()
{
    if (m_editDepth++ > 0)
        return;
    m_editMade = false;
    m_editBefore = ContentOf(title, sprites, animations);
}

void CSheetDesigner::EndEdit(const QString& text, bool made)
{
    m_editMade = m_editMade || made;
    if (--m_editDepth > 0)
        return;
    SheetContent after = ContentOf(title, sprites, animations);
    if (!m_editMade && after == m_editBefore)
        return;
    undoStack.push(new CSheetEdit(text, std::move(m_editBefore), std::move(after),
                                  [this](const SheetContent& c) { RestoreEdit(c); }));
    m_editBefore = SheetContent();
    HistoryChanged();
}

void CSheetDesigner::RestoreEdit(const SheetContent& content)
{
    // Every sprite is made anew: nothing may keep one of the old ones.
    hovered = nullptr;
    RestoreContent(content, title, sprites, animations);
    DrawAndPresent();
}

void CSheetDesigner::HistoryChanged()
{
    const bool asSaved = undoStack.isClean();
    modified = asSaved ? 0 : 1;
    recovery.Changed(asSaved);
}

void CSheetDesigner::Undo()
{
    if (!undoStack.canUndo())
        return;
    undoStack.undo();
    HistoryChanged();
}

void CSheetDesigner::Redo()
{
    if (!undoStack.canRedo())
        return;
    undoStack.redo();
    HistoryChanged();
}

void CSheetDesigner::OfferRecovery()
{
    QByteArray bytes;
    if (!recovery.OfferRestore(m_messages, SheetFilePath(sheetName), QStringLiteral("sheet"), bytes))
        return;
    QByteArray recoveredTitle;
    CTaggedList<CDesignerSprite> recoveredSprites;
    CTaggedList<CSpriteAnimation> recoveredAnimations;
    ReadSheetRecovery(bytes, recoveredTitle, recoveredSprites, recoveredAnimations);
    // The changes are unsaved edits of the sheet, taken back by one undo.
    BeginEdit();
    RestoreEdit(ContentOf(recoveredTitle, recoveredSprites, recoveredAnimations));
    EndEdit(QStringLiteral("Restore unsaved changes"));
    recoveredAnimations.Clear();
    if (undoStack.isClean())
        recovery.Discard();
}
