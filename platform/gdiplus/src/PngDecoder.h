#pragma once

#include "platform/gdiplus/PixelBuffer.h"
#include "platform/gdiplus/Status.h"

#include <cstddef>

namespace platform::gdiplus {

// Decodes a PNG file held in memory (any colour type and bit depth, interlaced or not) into
// premultiplied pixels. UnknownImageFormat for bytes that are not a PNG, GenericError for a PNG
// that is damaged, OutOfMemory when its pixels cannot be held.
Gdiplus::Status decodePng(const unsigned char* bytes, std::size_t size, PixelBuffer& out);

} // namespace platform::gdiplus
