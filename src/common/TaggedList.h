#pragma once
// The program's one list type: items appended at the tail, walked in order,
// removed by identity. Each node carries a short tag that labels what it holds;
// nothing looks items up by tag and no tag is ever written to a file.
#include <algorithm>
#include <list>
#include <memory>
#include <string>

template <class T, bool Owning = true>
class CTaggedList {
public:
    using Pointer = std::conditional_t<Owning, std::unique_ptr<T>, T*>;

    struct Node {
        Pointer item;
        std::string tag;
    };

    // Appends at the tail and returns the (still valid) raw item pointer.
    T* Append(Pointer item, const char* tag)
    {
        T* raw = &*item;
        m_nodes.push_back(Node{std::move(item), tag});
        return raw;
    }

    // Unlinks the node holding this very item (destroying it when owned).
    // Returns false when the list does not hold it.
    bool Remove(const T* item)
    {
        auto it = std::find_if(m_nodes.begin(), m_nodes.end(), [item](const Node& n) { return &*n.item == item; });
        if (it == m_nodes.end())
            return false;
        m_nodes.erase(it);
        return true;
    }

    bool Contains(const T* item) const
    {
        return std::any_of(m_nodes.begin(), m_nodes.end(), [item](const Node& n) { return &*n.item == item; });
    }

    void Clear() { m_nodes.clear(); }
    int Count() const { return int(m_nodes.size()); }
    bool IsEmpty() const { return m_nodes.empty(); }
    T* Head() const { return m_nodes.empty() ? nullptr : &*m_nodes.front().item; }
    T* Tail() const { return m_nodes.empty() ? nullptr : &*m_nodes.back().item; }

    T* At(int index) const
    {
        if (index < 0 || index >= Count())
            return nullptr;
        auto it = m_nodes.begin();
        std::advance(it, index);
        return &*it->item;
    }

    int IndexOf(const T* item) const
    {
        int i = 0;
        for (const Node& n : m_nodes) {
            if (&*n.item == item)
                return i;
            ++i;
        }
        return -1;
    }

    const std::list<Node>& Nodes() const { return m_nodes; }

    // Walk the items in list order with a range-for.
    class Iterator {
    public:
        explicit Iterator(typename std::list<Node>::const_iterator it) : m_it(it) {}
        T* operator*() const { return &*m_it->item; }
        Iterator& operator++() { ++m_it; return *this; }
        bool operator!=(const Iterator& o) const { return m_it != o.m_it; }
    private:
        typename std::list<Node>::const_iterator m_it;
    };
    Iterator begin() const { return Iterator(m_nodes.begin()); }
    Iterator end() const { return Iterator(m_nodes.end()); }

    // Walks from the tail to the head (hit tests take the item added last).
    template <class F>
    T* FindFromTail(F predicate) const
    {
        for (auto it = m_nodes.rbegin(); it != m_nodes.rend(); ++it)
            if (predicate(&*it->item))
                return &*it->item;
        return nullptr;
    }

private:
    std::list<Node> m_nodes;
};
