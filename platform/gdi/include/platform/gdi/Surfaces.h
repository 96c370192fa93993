#pragma once

// What the window model needs of the device contexts: a context drawing into a surface of its
// own, and the surface behind a bitmap.

#include "platform/gdi/Gdi.h"

#include <cairo.h>
#include <cstdint>

namespace platform::gdi {

// A context drawing into the surface with its origin at (originX, originY) of the surface and
// clipped to the clip rectangle (surface coordinates). The surface stays the caller's.
HDC createSurfaceDC(cairo_surface_t* surface, int originX, int originY, const RECT& clip);

// The surface a context draws into, and the origin and clip it draws with.
cairo_surface_t* surfaceOf(HDC dc);
POINT originOf(HDC dc);
RECT clipOf(HDC dc);

// The surface of a bitmap, null for another object.
cairo_surface_t* bitmapSurface(HGDIOBJ bitmap);

// A brush's colour; false for the null brush or another object.
bool brushColour(HBRUSH brush, COLORREF& colour);

// The colours and mode text is drawn with.
COLORREF textColourOf(HDC dc);
int backgroundModeOf(HDC dc);
HFONT fontOf(HDC dc);

// A bitmap holding the pixels (premultiplied 0xAARRGGBB, row after row).
HBITMAP createBitmap(int width, int height, const std::uint32_t* pixels);

// How many device contexts and drawing objects exist (for tests that look for leaks).
std::size_t liveObjects();

} // namespace platform::gdi
