#pragma once
#include <algorithm>
#include <cstdint>

// A pixel rectangle: left and top inside, right and bottom just outside.
struct Rect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool empty() const { return right <= left || bottom <= top; }
    void unite(const Rect& other) {
        if (other.empty()) return;
        if (empty()) {
            *this = other;
            return;
        }
        left = std::min(left, other.left);
        top = std::min(top, other.top);
        right = std::max(right, other.right);
        bottom = std::max(bottom, other.bottom);
    }
};
