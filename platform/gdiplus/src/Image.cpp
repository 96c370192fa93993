#include "platform/gdiplus/Image.h"

#include "PngDecoder.h"
#include "platform/gdiplus/Startup.h"

#include <cairo.h>
#include <vector>

namespace Gdiplus {

namespace {

// Everything the stream holds from its current position on.
bool readAll(IStream* stream, std::vector<unsigned char>& bytes) {
    unsigned char chunk[64 * 1024];
    while (true) {
        ULONG read = 0;
        const HRESULT hr = stream->Read(chunk, sizeof chunk, &read);
        if (FAILED(hr))
            return false;
        bytes.insert(bytes.end(), chunk, chunk + read);
        if (read < sizeof chunk)
            return true;
    }
}

} // namespace

Image::Image(IStream* stream, BOOL /*useEmbeddedColorManagement*/) : m_stream(stream) {
    if (!platform::gdiplus::started()) {
        m_lastStatus = GdiplusNotInitialized;
        m_stream = nullptr;
        return;
    }
    if (!stream) {
        m_lastStatus = InvalidParameter;
        return;
    }
    stream->AddRef();
    std::vector<unsigned char> bytes;
    if (!readAll(stream, bytes)) {
        m_lastStatus = Win32Error;
        return;
    }
    m_lastStatus = platform::gdiplus::decodePng(bytes.data(), bytes.size(), m_pixels);
    m_decoded = m_lastStatus == Ok;
}

Image::~Image() {
    if (m_surface)
        cairo_surface_destroy(m_surface);
    if (m_stream)
        m_stream->Release();
}

Status Image::GetLastStatus() const {
    const Status status = m_lastStatus;
    m_lastStatus = Ok;
    return status;
}

UINT Image::GetWidth() {
    if (!m_decoded) {
        m_lastStatus = InvalidParameter;
        return 0;
    }
    return static_cast<UINT>(m_pixels.width);
}

UINT Image::GetHeight() {
    if (!m_decoded) {
        m_lastStatus = InvalidParameter;
        return 0;
    }
    return static_cast<UINT>(m_pixels.height);
}

} // namespace Gdiplus

namespace Gdiplus {

_cairo_surface* Image::surface() {
    if (!m_decoded)
        return nullptr;
    if (!m_surface) {
        const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, m_pixels.width);
        if (stride != m_pixels.width * 4)
            return nullptr;
        m_surface = cairo_image_surface_create_for_data(
            reinterpret_cast<unsigned char*>(m_pixels.pixels.data()), CAIRO_FORMAT_ARGB32,
            m_pixels.width, m_pixels.height, stride);
    }
    return m_surface;
}

} // namespace Gdiplus
