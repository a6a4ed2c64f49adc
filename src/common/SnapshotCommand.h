#pragma once
// One edit of a designer on its undo stack, held as the whole content before
// and after it: undo puts the content before back, redo the content after.
// Whole contents give back exactly what was there, whatever the edit touched.
// The edit is made before it is pushed, so the push's own redo does nothing.
// Edits that share a merge id and a visit (the letters of one name typed in
// one go) become one.
#include <QUndoCommand>

#include <functional>
#include <utility>

template <class Content>
class CSnapshotCommand : public QUndoCommand {
public:
    using Restore = std::function<void(const Content&)>;

    CSnapshotCommand(const QString& text, Content before, Content after, Restore restore, int mergeId = -1,
                     int visit = 0)
        : QUndoCommand(text), m_before(std::move(before)), m_after(std::move(after)), m_restore(std::move(restore)),
          m_mergeId(mergeId), m_visit(visit)
    {
    }

    void undo() override { m_restore(m_before); }
    void redo() override
    {
        if (m_made) {
            m_made = false;
            return;
        }
        m_restore(m_after);
    }
    int id() const override { return m_mergeId; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const CSnapshotCommand*>(other);
        if (next->m_visit != m_visit)
            return false;
        m_after = next->m_after;
        // Typed back to what it was: the edit is gone from the stack.
        setObsolete(m_after == m_before);
        return true;
    }

    const Content& Before() const { return m_before; }
    const Content& After() const { return m_after; }

private:
    Content m_before;
    Content m_after;
    Restore m_restore;
    int m_mergeId;
    int m_visit;
    bool m_made = true;
};
