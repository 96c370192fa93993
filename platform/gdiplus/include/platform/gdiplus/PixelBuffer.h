#pragma once

#include <cstdint>
#include <vector>

namespace platform::gdiplus {

// Decoded pixels, row after row without padding, each a native-endian 32-bit value 0xAARRGGBB
// with the colour premultiplied by alpha (the layout cairo's ARGB32 surfaces use).
struct PixelBuffer {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

} // namespace platform::gdiplus
