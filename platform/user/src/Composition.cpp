#include "platform/user/Layered.h"
#include "platform/user/Screen.h"

#include "WindowTree.h"
#include "platform/gdi/Surfaces.h"
#include "platform/kernel/Library.h"
#include "platform/user/Painting.h"
#include "platform/user/Windows.h"

#include <algorithm>

namespace platform::user {

namespace {

struct ScreenState {
    int width = 1920;
    int height = 1080;
    std::uint32_t background = 0xFF1E2A38;
    cairo_surface_t* composed = nullptr;
};

ScreenState& screen() {
    static ScreenState s;
    return s;
}

std::uint32_t unpremultiply(std::uint32_t p) {
    const std::uint32_t a = p >> 24;
    if (a == 0)
        return 0;
    if (a == 255)
        return p;
    auto un = [a](std::uint32_t c) { return std::min<std::uint32_t>(255, (c * 255 + a / 2) / a); };
    return (a << 24) | (un((p >> 16) & 0xFF) << 16) | (un((p >> 8) & 0xFF) << 8) | un(p & 0xFF);
}

std::uint32_t pixelOf(cairo_surface_t* surface, int x, int y) {
    if (!surface || x < 0 || y < 0 || x >= cairo_image_surface_get_width(surface) ||
        y >= cairo_image_surface_get_height(surface))
        return 0;
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    return reinterpret_cast<const std::uint32_t*>(data +
                                                  y * cairo_image_surface_get_stride(surface))[x];
}

bool isKey(std::uint32_t premultiplied, COLORREF key) {
    return (premultiplied >> 24) == 255 && ((premultiplied >> 16) & 0xFF) == GetRValue(key) &&
           ((premultiplied >> 8) & 0xFF) == GetGValue(key) &&
           (premultiplied & 0xFF) == GetBValue(key);
}

std::uint32_t scaled(std::uint32_t p, std::uint32_t s) {
    auto scale = [s](std::uint32_t c) { return (c * s + 127) / 255; };
    return (scale(p >> 24) << 24) | (scale((p >> 16) & 0xFF) << 16) |
           (scale((p >> 8) & 0xFF) << 8) | scale(p & 0xFF);
}

// The top-level window as it shows, premultiplied: its layered picture as it was given, or its
// painted surface with the colour key, the constant alpha or (for an ordinary window) full
// opacity applied. Kept until the window's content or layering changes.
cairo_surface_t* shownSurface(Window* w) {
    const bool layered = (w->exStyle & WS_EX_LAYERED) != 0;
    if (layered && w->picture && w->pictureAlpha == 255)
        return w->picture;
    if (w->shown)
        return w->shown;
    cairo_surface_t* base = layered && w->picture ? w->picture : surfaceFor(w);
    cairo_surface_flush(base);
    const int width = cairo_image_surface_get_width(base),
              height = cairo_image_surface_get_height(base);
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    const auto* in = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(base));
    auto* data = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(out));
    const int inStride = cairo_image_surface_get_stride(base) / 4,
              outStride = cairo_image_surface_get_stride(out) / 4;
    const bool showsNothing = layered && !w->picture && !w->colourKeyed && !w->constantAlpha;
    for (int y = 0; y < height && !showsNothing; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint32_t p = in[y * inStride + x];
            if (layered && w->picture) {
                p = scaled(p, w->pictureAlpha);
            } else {
                // Painted pixels show over black, fully opaque, unless keyed out.
                p |= 0xFF000000u;
                if (layered && w->colourKeyed && isKey(p, w->colourKey))
                    p = 0;
                else if (layered && w->constantAlpha && w->alpha != 255)
                    p = scaled(p, w->alpha);
            }
            data[y * outStride + x] = p;
        }
    }
    cairo_surface_mark_dirty(out);
    w->shown = out;
    return out;
}

std::uint32_t shownPixel(Window* w, int x, int y) {
    return pixelOf(shownSurface(w), x, y);
}

} // namespace

void setScreen(int width, int height, std::uint32_t background) {
    screen().width = width;
    screen().height = height;
    screen().background = background;
}

SIZE screenSize() {
    return SIZE{screen().width, screen().height};
}

RECT workArea() {
    return RECT{0, 0, screen().width, screen().height};
}

cairo_surface_t* composeScreen() {
    paintPendingWindows();
    ScreenState& s = screen();
    if (s.composed && (cairo_image_surface_get_width(s.composed) != s.width ||
                       cairo_image_surface_get_height(s.composed) != s.height)) {
        cairo_surface_destroy(s.composed);
        s.composed = nullptr;
    }
    if (!s.composed)
        s.composed = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, s.width, s.height);
    cairo_t* cr = cairo_create(s.composed);
    cairo_set_source_rgb(cr, ((s.background >> 16) & 0xFF) / 255.0,
                         ((s.background >> 8) & 0xFF) / 255.0, (s.background & 0xFF) / 255.0);
    cairo_paint(cr);
    const auto& tops = topLevels();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        Window* w = *it;
        if (!onScreen(w))
            continue;
        const RECT r = screenRect(w);
        cairo_set_source_surface(cr, shownSurface(w), r.left, r.top);
        cairo_paint(cr);
    }
    cairo_destroy(cr);
    cairo_surface_flush(s.composed);
    return s.composed;
}

std::uint32_t screenPixel(int x, int y) {
    return unpremultiply(pixelOf(composeScreen(), x, y));
}

std::uint32_t windowPixelAt(HWND handle, int x, int y) {
    Window* w = windowOf(handle);
    if (!w || !onScreen(w))
        return 0;
    w = topLevelWindow(w);
    const RECT r = screenRect(w);
    if (!contains(r, x, y))
        return 0;
    paintPendingWindows();
    return unpremultiply(shownPixel(w, x - r.left, y - r.top));
}

cairo_surface_t* windowSurface(HWND handle) {
    Window* w = windowOf(handle);
    if (!w || w->isChild())
        return nullptr;
    paintPendingWindows();
    return shownSurface(w);
}

HWND windowFromScreenPoint(int x, int y) {
    paintPendingWindows();
    for (Window* w : topLevels()) {
        if (!onScreen(w))
            continue;
        const RECT r = screenRect(w);
        if (contains(r, x, y) && (shownPixel(w, x - r.left, y - r.top) >> 24) != 0)
            return w->handle();
    }
    return nullptr;
}

} // namespace platform::user

using namespace platform;
using namespace platform::user;

BOOL UpdateLayeredWindow(HWND handle, HDC /*destDC*/, POINT* destPoint, SIZE* size, HDC sourceDC,
                         POINT* sourcePoint, COLORREF /*key*/, BLENDFUNCTION* blend, DWORD flags) {
    Window* w = windowOf(handle);
    if (!w || !(w->exStyle & WS_EX_LAYERED) || w->isChild())
        return FALSE;
    RECT target = w->rect;
    if (size && sourceDC) {
        cairo_surface_t* source = platform::gdi::surfaceOf(sourceDC);
        if (!source || size->cx <= 0 || size->cy <= 0)
            return FALSE;
        const POINT origin = platform::gdi::originOf(sourceDC);
        const int sx = (sourcePoint ? sourcePoint->x : 0) + origin.x;
        const int sy = (sourcePoint ? sourcePoint->y : 0) + origin.y;
        cairo_surface_t* picture =
            cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size->cx, size->cy);
        cairo_t* cr = cairo_create(picture);
        cairo_set_source_surface(cr, source, -sx, -sy);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_paint(cr);
        if (flags & ULW_OPAQUE) {
            cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OVER);
            cairo_set_source_rgb(cr, 0, 0, 0);
            cairo_paint(cr);
        }
        cairo_destroy(cr);
        if (w->picture)
            cairo_surface_destroy(w->picture);
        w->picture = picture;
        contentChanged(w);
        target.right = target.left + size->cx;
        target.bottom = target.top + size->cy;
    }
    if (w->pictureAlpha != (blend ? blend->SourceConstantAlpha : 255))
        contentChanged(w);
    w->pictureAlpha = blend ? blend->SourceConstantAlpha : 255;
    w->colourKeyed = false;
    w->constantAlpha = false;
    if (destPoint)
        target = RECT{destPoint->x, destPoint->y, destPoint->x + platform::width(target),
                      destPoint->y + platform::height(target)};
    if (!(target == w->rect))
        MoveWindow(handle, target.left, target.top, platform::width(target),
                   platform::height(target), FALSE);
    notifyChanged(w);
    return TRUE;
}

BOOL SetLayeredWindowAttributes(HWND handle, COLORREF key, BYTE alpha, DWORD flags) {
    Window* w = windowOf(handle);
    if (!w || !(w->exStyle & WS_EX_LAYERED))
        return FALSE;
    if (w->picture) {
        cairo_surface_destroy(w->picture);
        w->picture = nullptr;
    }
    w->colourKeyed = (flags & LWA_COLORKEY) != 0;
    w->colourKey = key & 0x00FFFFFF;
    w->constantAlpha = (flags & LWA_ALPHA) != 0;
    w->alpha = alpha;
    invalidateTree(w);
    notifyChanged(w);
    return TRUE;
}

namespace platform::user {

void registerUser32Library() {
    platform::registerLibrary(
        u"User32.DLL",
        {{"UpdateLayeredWindow", reinterpret_cast<FARPROC>(&UpdateLayeredWindow)},
         {"SetLayeredWindowAttributes", reinterpret_cast<FARPROC>(&SetLayeredWindowAttributes)}});
}

} // namespace platform::user
