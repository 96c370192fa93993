#include "PngDecoder.h"

#include <bit>
#include <cstring>
#include <new>
#include <png.h>

namespace platform::gdiplus {

namespace {

// A reading of the simplified libpng interface, freed with its owner.
class PngReading {
public:
    PngReading() {
        std::memset(&m_image, 0, sizeof m_image);
        m_image.version = PNG_IMAGE_VERSION;
    }
    ~PngReading() { png_image_free(&m_image); }
    PngReading(const PngReading&) = delete;
    PngReading& operator=(const PngReading&) = delete;
    png_image* get() { return &m_image; }

private:
    png_image m_image;
};

constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Larger pictures than this are refused rather than attempted.
constexpr std::size_t kMaxPixels = 1u << 28;

} // namespace

Gdiplus::Status decodePng(const unsigned char* bytes, std::size_t size, PixelBuffer& out) {
    out = PixelBuffer{};
    if (!bytes || size < sizeof kSignature || std::memcmp(bytes, kSignature, sizeof kSignature) != 0)
        return Gdiplus::UnknownImageFormat;
    PngReading reading;
    png_image* image = reading.get();
    if (!png_image_begin_read_from_memory(image, bytes, size))
        return Gdiplus::GenericError;
    // Blue, green, red, alpha in memory: one little-endian 0xAARRGGBB value per pixel.
    image->format = PNG_FORMAT_BGRA;
    const std::size_t count = static_cast<std::size_t>(image->width) * image->height;
    if (image->width == 0 || image->height == 0 || count > kMaxPixels)
        return Gdiplus::GenericError;
    std::vector<std::uint32_t> pixels;
    try {
        pixels.resize(count);
    } catch (const std::bad_alloc&) {
        return Gdiplus::OutOfMemory;
    }
    if (!png_image_finish_read(image, nullptr, pixels.data(), static_cast<png_int_32>(image->width * 4), nullptr))
        return Gdiplus::GenericError;
    static_assert(std::endian::native == std::endian::little, "pixels are read as little-endian BGRA");
    for (auto& pixel : pixels) {
        const std::uint32_t alpha = pixel >> 24;
        if (alpha == 255)
            continue;
        if (alpha == 0) {
            pixel = 0;
            continue;
        }
        auto scale = [alpha](std::uint32_t channel) { return (channel * alpha + 127) / 255; };
        pixel = (alpha << 24) | (scale((pixel >> 16) & 0xFF) << 16) | (scale((pixel >> 8) & 0xFF) << 8) |
                scale(pixel & 0xFF);
    }
    out.width = static_cast<int>(image->width);
    out.height = static_cast<int>(image->height);
    out.pixels = std::move(pixels);
    return Gdiplus::Ok;
}

} // namespace platform::gdiplus
