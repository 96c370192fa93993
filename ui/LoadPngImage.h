#pragma once

#include "platform/gdiplus/Image.h"

// A new image decoded from the "PNG" resource `id` of `module`, reading from a copy of the
// resource that it gives back when deleted; the caller owns it. Null when the resource is missing
// or memory cannot be had; a resource that does not decode still gives an image (of size 0).
Gdiplus::Image* LoadPngImage(HMODULE module, UINT id);
