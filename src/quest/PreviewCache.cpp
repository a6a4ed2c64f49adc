#include "quest/PreviewCache.h"

#include "quest/MapCell.h"
#include "quest/PreviewReader.h"
#include "support/paths/QuestPaths.h"

#include <algorithm>

CPreviewCache::CPreviewCache(size_t capacity) : m_capacity(std::max<size_t>(capacity, 1))
{
}

const CSurface* CPreviewCache::Preview(int column, int row)
{
    const int index = row * kMapColumns + column;
    if (const auto found = m_where.find(index); found != m_where.end()) {
        m_order.splice(m_order.begin(), m_order, found->second);
        return found->second->surface.get();
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
    m_where.emplace(index, m_order.begin());
    Trim();
    return m_order.front().surface.get();
}

bool CPreviewCache::Holds(int column, int row) const
{
    return m_where.count(row * kMapColumns + column) != 0;
}

void CPreviewCache::Forget(int column, int row)
{
    const auto found = m_where.find(row * kMapColumns + column);
    if (found == m_where.end())
        return;
    m_order.erase(found->second);
    m_where.erase(found);
}

void CPreviewCache::Clear()
{
    m_where.clear();
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
        m_where.erase(last.index);
        m_order.pop_back();
    }
}
