#pragma once

#include "platform/gdi/Gdi.h"

#include <cairo.h>
#include <string>

namespace platform::gdi {

enum class ObjectKind { Bitmap, Brush, Font };

// A drawing object; its handle is its address. Stock objects are never deleted.
struct GdiObject {
    explicit GdiObject(ObjectKind k) : kind(k) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    ObjectKind kind;
    bool stock = false;
    int selections = 0; // how many contexts have it selected
    // Bitmap
    cairo_surface_t* surface = nullptr;
    // Brush
    bool nullBrush = false;
    COLORREF colour = 0;
    // Font
    std::u16string face;
    double pixelHeight = 12;
    bool bold = false;

    ~GdiObject() {
        if (surface)
            cairo_surface_destroy(surface);
    }
};

GdiObject* objectOf(HGDIOBJ handle);
HGDIOBJ registerObject(GdiObject* object);
void unregisterObject(GdiObject* object);
std::size_t liveObjectCount();

// The 1 x 1 bitmap a memory context starts with.
GdiObject* stockBitmap();

} // namespace platform::gdi
