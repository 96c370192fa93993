#include "platform/base/Geometry.h"

#include <algorithm>

namespace platform {

RECT intersection(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (isEmpty(r))
        r = RECT{0, 0, 0, 0};
    return r;
}

} // namespace platform
