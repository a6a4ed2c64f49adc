#pragma once
// The map's previews, read from their files when they are first drawn and
// kept, the most recently used first, up to a bound: a person sees 81 cells
// at a time, and a map of 65,536 screens would not fit in memory whole.
#include "display/Surface.h"
#include "quest/MapCell.h"

#include <array>
#include <list>
#include <memory>

class CPreviewCache {
public:
    // About 24 KB a preview: a few thousand fill the view and the screen
    // around it many times over, in well under 100 MB.
    static constexpr size_t kDefaultCapacity = 2048;

    explicit CPreviewCache(size_t capacity = kDefaultCapacity);

    // The cell's preview, read now from questdata\{quest}\screens\{column}-{row}.bmp
    // when it is not held; null when that file cannot be opened (it is not
    // tried again until the cell is forgotten) or the cell is not on the map.
    const CSurface* Preview(int column, int row);
    bool Holds(int column, int row) const;
    // The cell's file has changed or gone: it is read again when next drawn.
    void Forget(int column, int row);
    void Clear();

    // At least 1; a smaller bound drops the least recently used at once.
    void SetCapacity(size_t capacity);
    size_t Capacity() const { return m_capacity; }
    size_t Count() const { return m_order.size(); }

private:
    struct Entry {
        int index;
        std::unique_ptr<CSurface> surface; // null: the file did not open
    };
    using Place = std::list<Entry>::iterator;
    struct Slot {
        Place place;
        bool held = false;
    };
    static int IndexOf(int column, int row); // row x 256 + column, -1 off the map
    // The slot of a cell's index, null for -1 or where no cell of its row was
    // held yet; MadeSlotOf makes the row's table. A look-up is two reads of
    // memory near the ones the last frame read, where a hash table's buckets
    // and nodes lie anywhere.
    Slot* SlotOf(int index) const;
    Slot& MadeSlotOf(int index);
    void Trim();

    size_t m_capacity;
    std::list<Entry> m_order; // the most recently used first
    std::array<std::unique_ptr<std::array<Slot, kMapColumns>>, kMapRows> m_rows;
    std::unique_ptr<CSurface> m_spare; // a dropped preview's pixels, for the next read
};
