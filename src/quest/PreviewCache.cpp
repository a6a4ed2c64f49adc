#include "quest/PreviewCache.h"

#include "quest/MapCell.h"
#include "quest/PreviewReader.h"
#include "support/paths/QuestPaths.h"

#include <algorithm>

CPreviewCache::CPreviewCache(size_t capacity) : m_capacity(std::max<size_t>(capacity, 1))
{
}

int CPreviewCache::IndexOf(int column, int row)
{
    if (!IsMapCell(column, row))
        return -1;
    return row * kMapColumns + column;
}

CPreviewCache::Slot* CPreviewCache::SlotOf(int index) const
{
    if (index < 0)
        return nullptr;
    const auto& row = m_rows[size_t(index / kMapColumns)];
    return row ? &(*row)[size_t(index % kMapColumns)] : nullptr;
}

CPreviewCache::Slot& CPreviewCache::MadeSlotOf(int index)
{
    auto& row = m_rows[size_t(index / kMapColumns)];
    if (!row)
        row = std::make_unique<std::array<Slot, kMapColumns>>();
    return (*row)[size_t(index % kMapColumns)];
}

const CSurface* CPreviewCache::Preview(int column, int row)
{
    const int index = IndexOf(column, row);
    if (index < 0)
        return nullptr;
    if (const Slot* slot = SlotOf(index); slot && slot->held) {
        m_order.splice(m_order.begin(), m_order, slot->place);
        return slot->place->surface.get();
    }
    std::unique_ptr<CSurface> surface = std::move(m_spare);
    if (!surface) {
        surface = std::make_unique<CSurface>();
        surface->Create(kPreviewWidth, kPreviewHeight);
        surface->SetColourKey(kKeyGreen);
    }
    if (!ReadPreviewFile(PreviewPath(column, row), *surface)) {
        m_spare = std::move(surface);
        surface.reset();
    }
    m_order.push_front(Entry{index, std::move(surface)});
    MadeSlotOf(index) = Slot{m_order.begin(), true};
    Trim();
    return m_order.front().surface.get();
}

bool CPreviewCache::Holds(int column, int row) const
{
    const Slot* slot = SlotOf(IndexOf(column, row));
    return slot && slot->held;
}

void CPreviewCache::Forget(int column, int row)
{
    Slot* slot = SlotOf(IndexOf(column, row));
    if (!slot || !slot->held)
        return;
    m_order.erase(slot->place);
    *slot = Slot{};
}

void CPreviewCache::Clear()
{
    for (const Entry& entry : m_order)
        *SlotOf(entry.index) = Slot{};
    m_order.clear();
}

void CPreviewCache::SetCapacity(size_t capacity)
{
    m_capacity = std::max<size_t>(capacity, 1);
    Trim();
}

void CPreviewCache::Trim()
{
    while (m_order.size() > m_capacity) {
        Entry& last = m_order.back();
        if (last.surface && !m_spare)
            m_spare = std::move(last.surface);
        *SlotOf(last.index) = Slot{};
        m_order.pop_back();
    }
}
