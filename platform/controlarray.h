#pragma once

#include <QString>

#include <map>

// Controls of one kind under one name, addressed by index. Element 0 is made
// with the screen; further elements are created at run time as copies of it
// (hidden, as new elements are). The array does not own its elements: they
// live as long as the screen that holds them.
template <class T>
class ControlArray {
public:
    ControlArray() = default;
    explicit ControlArray(T* element0) { m_items[0] = element0; }

    // The element at index, or nullptr when it has not been created.
    T* operator()(int index) const {
        const auto it = m_items.find(index);
        return it == m_items.end() ? nullptr : it->second;
    }
    // Creates element index as a copy of element 0; an existing one is kept.
    T* load(int index) {
        if (T* existing = (*this)(index)) return existing;
        T* copy = m_items.at(0)->copyAs(index);
        m_items[index] = copy;
        return copy;
    }
    int count() const { return static_cast<int>(m_items.size()); }

private:
    std::map<int, T*> m_items;
};
