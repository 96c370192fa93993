#include "GdiObjects.h"

#include "platform/gdi/Surfaces.h"

#include <cstring>
#include <unordered_set>

namespace platform::gdi {

namespace {

// A device context: where it draws and with what.
struct DeviceContext {
    bool memory = false;     // draws into its selected bitmap
    cairo_surface_t* target; // a surface DC's own target, not owned
    POINT origin{0, 0};
    RECT clip{0, 0, 0, 0};
    bool clipped = false; // memory contexts clip to their bitmap
    GdiObject* bitmap = nullptr;
    GdiObject* brush = nullptr;
    GdiObject* font = nullptr;
    COLORREF textColour = 0;
    COLORREF backgroundColour = 0xFFFFFF;
    int backgroundMode = OPAQUE;
};

std::unordered_set<DeviceContext*>& contexts() {
    static std::unordered_set<DeviceContext*> all;
    return all;
}

DeviceContext* contextOf(HDC handle) {
    auto* dc = reinterpret_cast<DeviceContext*>(handle);
    return dc && contexts().contains(dc) ? dc : nullptr;
}

cairo_surface_t* targetOf(const DeviceContext& dc) {
    return dc.memory ? dc.bitmap->surface : dc.target;
}

RECT clipRect(const DeviceContext& dc) {
    if (dc.clipped)
        return dc.clip;
    cairo_surface_t* s = targetOf(dc);
    return RECT{0, 0, cairo_image_surface_get_width(s), cairo_image_surface_get_height(s)};
}

// A cairo context on the target, in the device context's coordinates, clipped.
cairo_t* drawingOn(const DeviceContext& dc) {
    cairo_t* cr = cairo_create(targetOf(dc));
    const RECT clip = clipRect(dc);
    cairo_rectangle(cr, clip.left, clip.top, width(clip), height(clip));
    cairo_clip(cr);
    cairo_translate(cr, dc.origin.x, dc.origin.y);
    return cr;
}

void select(GdiObject*& slot, GdiObject* object) {
    if (slot)
        --slot->selections;
    slot = object;
    if (slot)
        ++slot->selections;
}

HDC registerContext(DeviceContext* dc) {
    contexts().insert(dc);
    return reinterpret_cast<HDC>(dc);
}

} // namespace

HDC createSurfaceDC(cairo_surface_t* surface, int originX, int originY, const RECT& clip) {
    auto* dc = new DeviceContext;
    dc->target = surface;
    dc->origin = POINT{originX, originY};
    dc->clip = clip;
    dc->clipped = true;
    return registerContext(dc);
}

cairo_surface_t* surfaceOf(HDC handle) {
    DeviceContext* dc = contextOf(handle);
    return dc ? targetOf(*dc) : nullptr;
}

POINT originOf(HDC handle) {
    DeviceContext* dc = contextOf(handle);
    return dc ? dc->origin : POINT{0, 0};
}

RECT clipOf(HDC handle) {
    DeviceContext* dc = contextOf(handle);
    return dc ? clipRect(*dc) : RECT{0, 0, 0, 0};
}

COLORREF textColourOf(HDC handle) {
    DeviceContext* dc = contextOf(handle);
    return dc ? dc->textColour : 0;
}

int backgroundModeOf(HDC handle) {
    DeviceContext* dc = contextOf(handle);
    return dc ? dc->backgroundMode : OPAQUE;
}

HFONT fontOf(HDC handle) {
    DeviceContext* dc = contextOf(handle);
    return dc && dc->font ? reinterpret_cast<HFONT>(dc->font) : nullptr;
}

HBITMAP createBitmap(int width, int height, const std::uint32_t* pixels) {
    HBITMAP handle = CreateCompatibleBitmap(nullptr, width, height);
    cairo_surface_t* surface = bitmapSurface(handle);
    if (!surface)
        return nullptr;
    auto* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y)
        std::memcpy(data + y * stride, pixels + static_cast<std::size_t>(y) * width,
                    static_cast<std::size_t>(width) * 4);
    cairo_surface_mark_dirty(surface);
    return handle;
}

std::size_t liveObjects() {
    return liveObjectCount() + contexts().size();
}

} // namespace platform::gdi

using namespace platform::gdi;

HDC CreateCompatibleDC(HDC /*dc*/) {
    auto* dc = new DeviceContext;
    dc->memory = true;
    select(dc->bitmap, stockBitmap());
    return registerContext(dc);
}

BOOL DeleteDC(HDC handle) {
    DeviceContext* dc = contextOf(handle);
    if (!dc)
        return FALSE;
    select(dc->bitmap, nullptr);
    select(dc->brush, nullptr);
    select(dc->font, nullptr);
    contexts().erase(dc);
    delete dc;
    return TRUE;
}

HBITMAP CreateCompatibleBitmap(HDC /*dc*/, int width, int height) {
    if (width <= 0 || height <= 0)
        return nullptr;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    // A new image surface is all zero: fully transparent.
    auto* bitmap = new GdiObject(ObjectKind::Bitmap);
    bitmap->surface = surface;
    return registerObject(bitmap);
}

HGDIOBJ SelectObject(HDC handle, HGDIOBJ objectHandle) {
    DeviceContext* dc = contextOf(handle);
    GdiObject* object = objectOf(objectHandle);
    if (!dc || !object)
        return nullptr;
    GdiObject* previous = nullptr;
    switch (object->kind) {
    case ObjectKind::Bitmap:
        if (!dc->memory)
            return nullptr;
        previous = dc->bitmap;
        select(dc->bitmap, object);
        break;
    case ObjectKind::Brush:
        previous = dc->brush;
        select(dc->brush, object);
        break;
    case ObjectKind::Font:
        previous = dc->font;
        select(dc->font, object);
        break;
    }
    return reinterpret_cast<HGDIOBJ>(previous);
}

BOOL StretchBlt(HDC destHandle, int x, int y, int w, int h, HDC sourceHandle, int sx, int sy,
                int sw, int sh, DWORD rop) {
    DeviceContext* dest = contextOf(destHandle);
    DeviceContext* source = contextOf(sourceHandle);
    if (!dest || !source || rop != SRCCOPY || w <= 0 || h <= 0 || sw <= 0 || sh <= 0)
        return FALSE;
    cairo_t* cr = drawingOn(*dest);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, static_cast<double>(w) / sw, static_cast<double>(h) / sh);
    cairo_set_source_surface(cr, targetOf(*source), -(sx + source->origin.x),
                             -(sy + source->origin.y));
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    return TRUE;
}

BOOL BitBlt(HDC dest, int x, int y, int w, int h, HDC source, int sx, int sy, DWORD rop) {
    return StretchBlt(dest, x, y, w, h, source, sx, sy, w, h, rop);
}

int FillRect(HDC handle, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = contextOf(handle);
    COLORREF colour = 0;
    if (!dc || !rect)
        return 0;
    if (!brushColour(brush, colour))
        return objectOf(brush) ? 1 : 0; // the null brush paints nothing
    cairo_t* cr = drawingOn(*dc);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgb(cr, GetRValue(colour) / 255.0, GetGValue(colour) / 255.0,
                         GetBValue(colour) / 255.0);
    cairo_rectangle(cr, rect->left, rect->top, platform::width(*rect), platform::height(*rect));
    cairo_fill(cr);
    cairo_destroy(cr);
    return 1;
}

int SetBkMode(HDC handle, int mode) {
    DeviceContext* dc = contextOf(handle);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE))
        return 0;
    const int previous = dc->backgroundMode;
    dc->backgroundMode = mode;
    return previous;
}

COLORREF SetTextColor(HDC handle, COLORREF colour) {
    DeviceContext* dc = contextOf(handle);
    if (!dc)
        return 0xFFFFFFFF;
    const COLORREF previous = dc->textColour;
    dc->textColour = colour;
    return previous;
}

COLORREF SetBkColor(HDC handle, COLORREF colour) {
    DeviceContext* dc = contextOf(handle);
    if (!dc)
        return 0xFFFFFFFF;
    const COLORREF previous = dc->backgroundColour;
    dc->backgroundColour = colour;
    return previous;
}
