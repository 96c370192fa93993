#include "platform/user/Icons.h"

#include "platform/gdi/Surfaces.h"
#include "platform/kernel/Resources.h"
#include "platform/user/Windows.h"

#include <cstring>
#include <unordered_set>
#include <vector>

namespace platform::user {

namespace {

struct Icon {
    cairo_surface_t* surface;
};

std::unordered_set<Icon*>& icons() {
    static std::unordered_set<Icon*> all;
    return all;
}

Icon* iconOf(HICON handle) {
    auto* icon = reinterpret_cast<Icon*>(handle);
    return icon && icons().contains(icon) ? icon : nullptr;
}

std::uint32_t read32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t read16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t premultiplied(std::uint32_t b, std::uint32_t g, std::uint32_t r, std::uint32_t a) {
    auto scale = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    return (a << 24) | (scale(r) << 16) | (scale(g) << 8) | scale(b);
}

// Decodes a bottom-up device-independent bitmap of 24 or 32 bits (header first) into
// premultiplied pixels; `alpha` says whether a 32-bit one carries alpha.
bool decodeDib(const unsigned char* dib, std::size_t size, int heightDivisor, bool alpha,
               int& width, int& height, std::vector<std::uint32_t>& pixels) {
    if (size < 40 || read32(dib) < 40)
        return false;
    const std::uint32_t header = read32(dib);
    width = static_cast<std::int32_t>(read32(dib + 4));
    height = static_cast<std::int32_t>(read32(dib + 8)) / heightDivisor;
    const int bits = read16(dib + 14);
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096 || (bits != 24 && bits != 32))
        return false;
    const std::size_t rowBytes =
        ((static_cast<std::size_t>(width) * bits / 8) + 3) & ~std::size_t{3};
    if (header + rowBytes * height > size)
        return false;
    pixels.assign(static_cast<std::size_t>(width) * height, 0);
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = dib + header + rowBytes * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = row + x * (bits / 8);
            const std::uint32_t a = bits == 32 && alpha ? p[3] : 255;
            pixels[static_cast<std::size_t>(y) * width + x] = premultiplied(p[0], p[1], p[2], a);
        }
    }
    return true;
}

const unsigned char* resourceBytes(HINSTANCE instance, LPCWSTR name, LPCWSTR type,
                                   std::size_t& size) {
    HRSRC resource = FindResourceW(instance, name, type);
    if (!resource)
        return nullptr;
    size = SizeofResource(instance, resource);
    return static_cast<const unsigned char*>(LockResource(LoadResource(instance, resource)));
}

} // namespace

cairo_surface_t* iconSurface(HICON handle) {
    Icon* icon = iconOf(handle);
    return icon ? icon->surface : nullptr;
}

} // namespace platform::user

using namespace platform::user;

HICON LoadIconW(HINSTANCE instance, LPCWSTR name) {
    std::size_t size = 0;
    const unsigned char* file = resourceBytes(instance, name, RT_GROUP_ICON, size);
    if (!file || size < 6 || read16(file + 2) != 1)
        return nullptr;
    const int count = read16(file + 4);
    for (int i = 0; i < count && 6 + (i + 1) * 16 <= static_cast<int>(size); ++i) {
        const unsigned char* entry = file + 6 + i * 16;
        const std::uint32_t bytes = read32(entry + 8), offset = read32(entry + 12);
        if (read16(entry + 6) != 32 || offset > size || bytes > size - offset)
            continue;
        int width = 0, height = 0;
        std::vector<std::uint32_t> pixels;
        if (!decodeDib(file + offset, bytes, 2, true, width, height, pixels))
            continue;
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
        auto* data = cairo_image_surface_get_data(surface);
        for (int y = 0; y < height; ++y)
            std::memcpy(data + y * cairo_image_surface_get_stride(surface),
                        &pixels[static_cast<std::size_t>(y) * width],
                        static_cast<std::size_t>(width) * 4);
        cairo_surface_mark_dirty(surface);
        auto* icon = new Icon{surface};
        icons().insert(icon);
        return reinterpret_cast<HICON>(icon);
    }
    return nullptr;
}

BOOL DestroyIcon(HICON handle) {
    Icon* icon = iconOf(handle);
    if (!icon)
        return FALSE;
    icons().erase(icon);
    cairo_surface_destroy(icon->surface);
    delete icon;
    return TRUE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON handle) {
    Icon* icon = iconOf(handle);
    cairo_surface_t* target = platform::gdi::surfaceOf(dc);
    if (!icon || !target)
        return FALSE;
    const RECT clip = platform::gdi::clipOf(dc);
    const POINT origin = platform::gdi::originOf(dc);
    const double side = GetSystemMetrics(SM_CXICON);
    cairo_t* cr = cairo_create(target);
    cairo_rectangle(cr, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top);
    cairo_clip(cr);
    cairo_translate(cr, origin.x + x, origin.y + y);
    cairo_scale(cr, side / cairo_image_surface_get_width(icon->surface),
                side / cairo_image_surface_get_height(icon->surface));
    cairo_set_source_surface(cr, icon->surface, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    return TRUE;
}

HBITMAP LoadBitmapW(HINSTANCE instance, LPCWSTR name) {
    std::size_t size = 0;
    const unsigned char* dib = resourceBytes(instance, name, RT_BITMAP, size);
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    if (!dib || !decodeDib(dib, size, 1, false, width, height, pixels))
        return nullptr;
    return platform::gdi::createBitmap(width, height, pixels.data());
}
