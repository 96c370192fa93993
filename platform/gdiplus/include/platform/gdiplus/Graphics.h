#pragma once

#include "platform/gdi/Gdi.h"
#include "platform/gdiplus/Image.h"

namespace Gdiplus {

using INT = int;
using REAL = float;

struct Point {
    INT X = 0;
    INT Y = 0;
    Point() = default;
    Point(INT x, INT y) : X(x), Y(y) {}
};

struct Rect {
    INT X = 0;
    INT Y = 0;
    INT Width = 0;
    INT Height = 0;
    Rect() = default;
    Rect(INT x, INT y, INT w, INT h) : X(x), Y(y), Width(w), Height(h) {}
};

enum Unit { UnitWorld = 0, UnitDisplay = 1, UnitPixel = 2 };

// A drawing surface on a device context. Images are blended over what is there by their own
// alpha, with the context's origin and clip.
class Graphics {
public:
    explicit Graphics(HDC dc);
    ~Graphics() = default;
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    static Graphics* FromHDC(HDC dc) { return new Graphics(dc); }

    Status GetLastStatus() const;

    // The whole image, its top-left, top-right and bottom-left corners placed at the three points.
    Status DrawImage(Image* image, const Point* points, INT count);
    Status DrawImage(Image* image, INT x, INT y);
    // The source rectangle of the image (in pixels) into the destination rectangle.
    Status DrawImage(Image* image, const Rect& dest, INT srcX, INT srcY, INT srcWidth,
                     INT srcHeight, Unit srcUnit);
    // The source rectangle unscaled at (x, y).
    Status DrawImage(Image* image, INT x, INT y, INT srcX, INT srcY, INT srcWidth, INT srcHeight,
                     Unit srcUnit);

private:
    Status draw(Image* image, double m[6], INT srcX, INT srcY, INT srcWidth, INT srcHeight);

    HDC m_dc;
    mutable Status m_lastStatus = Ok;
};

} // namespace Gdiplus
