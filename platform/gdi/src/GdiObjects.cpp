#include "GdiObjects.h"

#include "platform/gdi/Surfaces.h"

#include <unordered_set>

namespace platform::gdi {

namespace {

std::unordered_set<GdiObject*>& objects() {
    static std::unordered_set<GdiObject*> all;
    return all;
}

GdiObject* makeStock(GdiObject* object) {
    object->stock = true;
    registerObject(object);
    return object;
}

} // namespace

GdiObject* objectOf(HGDIOBJ handle) {
    auto* object = reinterpret_cast<GdiObject*>(handle);
    return object && objects().contains(object) ? object : nullptr;
}

HGDIOBJ registerObject(GdiObject* object) {
    objects().insert(object);
    return reinterpret_cast<HGDIOBJ>(object);
}

void unregisterObject(GdiObject* object) {
    objects().erase(object);
}

std::size_t liveObjectCount() {
    std::size_t count = 0;
    for (auto* object : objects())
        count += object->stock ? 0 : 1;
    return count;
}

GdiObject* stockBitmap() {
    static GdiObject* bitmap = [] {
        auto* object = new GdiObject(ObjectKind::Bitmap);
        object->surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
        return makeStock(object);
    }();
    return bitmap;
}

cairo_surface_t* bitmapSurface(HGDIOBJ handle) {
    GdiObject* object = objectOf(handle);
    return object && object->kind == ObjectKind::Bitmap ? object->surface : nullptr;
}

bool brushColour(HBRUSH handle, COLORREF& colour) {
    GdiObject* object = objectOf(handle);
    if (!object || object->kind != ObjectKind::Brush || object->nullBrush)
        return false;
    colour = object->colour;
    return true;
}

} // namespace platform::gdi

using platform::gdi::GdiObject;
using platform::gdi::ObjectKind;

HGDIOBJ GetStockObject(int which) {
    if (which != NULL_BRUSH)
        return nullptr;
    static GdiObject* nullBrush = [] {
        auto* brush = new GdiObject(ObjectKind::Brush);
        brush->nullBrush = true;
        brush->stock = true;
        platform::gdi::registerObject(brush);
        return brush;
    }();
    return reinterpret_cast<HGDIOBJ>(nullBrush);
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    auto* brush = new GdiObject(ObjectKind::Brush);
    brush->colour = colour & 0x00FFFFFF;
    return platform::gdi::registerObject(brush);
}

BOOL DeleteObject(HGDIOBJ handle) {
    GdiObject* object = platform::gdi::objectOf(handle);
    // Stock objects stay; an object still selected into a context is not deleted.
    if (!object || object->stock || object->selections > 0)
        return FALSE;
    platform::gdi::unregisterObject(object);
    delete object;
    return TRUE;
}

int GetObjectW(HGDIOBJ handle, int size, void* out) {
    GdiObject* object = platform::gdi::objectOf(handle);
    if (!object || object->kind != ObjectKind::Bitmap)
        return 0;
    if (!out)
        return sizeof(BITMAP);
    if (size < static_cast<int>(sizeof(BITMAP)))
        return 0;
    auto* bitmap = static_cast<BITMAP*>(out);
    bitmap->bmType = 0;
    bitmap->bmWidth = cairo_image_surface_get_width(object->surface);
    bitmap->bmHeight = cairo_image_surface_get_height(object->surface);
    bitmap->bmWidthBytes = cairo_image_surface_get_stride(object->surface);
    bitmap->bmPlanes = 1;
    bitmap->bmBitsPixel = 32;
    bitmap->bmBits = nullptr;
    return sizeof(BITMAP);
}
