#pragma once

#include "platform/gdiplus/PixelBuffer.h"
#include "platform/gdiplus/Status.h"
#include "platform/ole/Stream.h"

struct _cairo_surface;

namespace Gdiplus {

// An image decoded from a stream of PNG bytes. It keeps a reference to the stream for as long as
// it lives (so a stream that owns its memory gives it back when the image is deleted). The
// status of its last operation is kept until GetLastStatus reads it.
class Image {
public:
    explicit Image(IStream* stream, BOOL useEmbeddedColorManagement = FALSE);
    virtual ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    // The status of the last operation; reading it resets it to Ok.
    Status GetLastStatus() const;
    // 0 (with the status InvalidParameter) when the image did not decode.
    UINT GetWidth();
    UINT GetHeight();

    // The decoded pixels, null when the image did not decode.
    const platform::gdiplus::PixelBuffer* pixels() const { return m_decoded ? &m_pixels : nullptr; }
    // The pixels as a cairo surface (made on first use, kept with the image); null when the image
    // did not decode.
    _cairo_surface* surface();

private:
    IStream* m_stream = nullptr;
    platform::gdiplus::PixelBuffer m_pixels;
    bool m_decoded = false;
    _cairo_surface* m_surface = nullptr;
    mutable Status m_lastStatus = Ok;
};

} // namespace Gdiplus
