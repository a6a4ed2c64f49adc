// The screen designer's edit history and recovery file: every edit of the
// current screen is one command holding the screen's content before and
// after it; the saved state is the stack's clean state; the edits not yet
// saved are copied to a recovery file, offered back when the screen is next
// opened after the program ended without saving.
#include "common/SnapshotCommand.h"
#include "screens/ScreenDesigner.h"
#include "screens/ScreenDesignerPort.h"
#include "screens/ScreenFile.h"
#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"
#include "support/ui/MessagePort.h"

namespace {
using CScreenEdit = CSnapshotCommand<ScreenContent>;
// The merge id of the entity name typed in the entity window.
constexpr int kEntityNameMerge = 1;
} // namespace

bool CScreenDesigner::Record(const QString& text, const ScreenContent& before)
{
    if (!current)
        return false;
    ScreenContent after = ContentOf(*current);
    if (after == before) {
        // Clearing an empty screen changes nothing to save.
        current->modified = undoStack.isClean() ? 0 : 1;
        return false;
    }
    undoStack.push(new CScreenEdit(text, before, std::move(after), [this](const ScreenContent& c) { RestoreEdit(c); }));
    HistoryChanged();
    return true;
}

void CScreenDesigner::RestoreEdit(const ScreenContent& content)
{
    if (!current)
        return;
    // Every placed sprite is made anew: nothing may keep one of the old ones.
    selection = Selection();
    m_namedEntity = nullptr;
    m_port.SetEntity(nullptr, 0, 0, QString(), nullptr);
    m_port.ShowEntityWindow(false);
    RestoreContent(*current, content);
    Compose();
    DrawAndPresent();
}

void CScreenDesigner::HistoryChanged()
{
    const bool asSaved = undoStack.isClean();
    if (current)
        current->modified = asSaved ? 0 : 1;
    recovery.Changed(asSaved);
}

void CScreenDesigner::Undo()
{
    if (!current || !undoStack.canUndo())
        return;
    undoStack.undo();
    HistoryChanged();
}

void CScreenDesigner::Redo()
{
    if (!current || !undoStack.canRedo())
        return;
    undoStack.redo();
    HistoryChanged();
}

bool CScreenDesigner::SaveCurrent()
{
    if (!current || !current->Save())
        return false;
    undoStack.setClean();
    recovery.Discard();
    return true;
}

void CScreenDesigner::EntityNameChanged(CPlacedSprite* entity, int visit)
{
    const int index = current ? current->placedSprites.IndexOf(entity) : -1;
    if (index < 0 || entity != m_namedEntity)
        return;
    // The name is already the typed one; the edit's content before it is the
    // same with the name it had before.
    ScreenContent after = ContentOf(*current);
    ScreenContent before = after;
    before.placed[size_t(index)].entityName = m_nameBefore;
    m_nameBefore = entity->entityName;
    if (visit != m_windowVisit) {
        m_windowVisit = visit;
        ++m_nameEdit;
    }
    if (after == before)
        return;
    current->modified = 1;
    undoStack.push(new CScreenEdit(QStringLiteral("Name ") + DisplayBytes(entity->code), std::move(before),
                                   std::move(after), [this](const ScreenContent& c) { RestoreEdit(c); },
                                   kEntityNameMerge, m_nameEdit));
    HistoryChanged();
}

void CScreenDesigner::OfferRecovery()
{
    QByteArray bytes;
    if (!current || !recovery.OfferRestore(m_messages, current->FilePath(), QStringLiteral("screen"), bytes))
        return;
    // Read as the screen file is read, into a screen of the same library.
    CScreen recovered(nullptr, nullptr, library.get());
    CTextReader reader;
    reader.OpenBytes(bytes);
    ReadScreenFile(reader, recovered);
    const ScreenContent before = ContentOf(*current);
    RestoreContent(*current, ContentOf(recovered));
    // The changes are unsaved edits of the screen, taken back by one undo.
    if (!Record(QStringLiteral("Restore unsaved changes"), before))
        recovery.Discard();
    Compose();
    DrawAndPresent();
}
