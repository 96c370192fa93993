#pragma once

#include "platform/base/WinTypes.h"

struct POINT {
    LONG x;
    LONG y;
};

struct SIZE {
    LONG cx;
    LONG cy;
};

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator==(const POINT& a, const POINT& b) {
    return a.x == b.x && a.y == b.y;
}

using LPRECT = RECT*;
using LPCRECT = const RECT*;
using LPPOINT = POINT*;

namespace platform {

inline LONG width(const RECT& r) {
    return r.right - r.left;
}
inline LONG height(const RECT& r) {
    return r.bottom - r.top;
}
inline bool contains(const RECT& r, LONG x, LONG y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}
RECT intersection(const RECT& a, const RECT& b);
inline bool isEmpty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

} // namespace platform
