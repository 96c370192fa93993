#include "ui/LayeredPainter.h"

#include "ui/UpdateLayeredTool.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdiplus/Graphics.h"
#include "platform/user/Painting.h"
#include "platform/user/Windows.h"

void EnsureLayeredStyle(HWND window) {
    const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    if (!(exStyle & WS_EX_LAYERED))
        SetWindowLongW(window, GWL_EXSTYLE, exStyle | static_cast<LONG>(WS_EX_LAYERED));
}

void CLayeredPainter::PaintLayered() {
    if (!m_image.m_pImage || !IsWindow(m_hTarget))
        return;
    HDC windowDC = GetDC(m_hTarget);
    RECT rect{};
    GetWindowRect(m_hTarget, &rect);
    POINT destination{rect.left, rect.top};
    HDC memoryDC = CreateCompatibleDC(windowDC);
    const int w = static_cast<int>(m_image.GetWidth());
    const int h = static_cast<int>(m_image.GetHeight());
    // A new bitmap is fully transparent: the image blends onto nothing.
    HBITMAP bitmap = CreateCompatibleBitmap(windowDC, w, h);
    HGDIOBJ previous = bitmap ? SelectObject(memoryDC, bitmap) : nullptr;
    auto* graphics = new Gdiplus::Graphics(memoryDC);
    const Gdiplus::Point corners[3] = {Gdiplus::Point(0, 0), Gdiplus::Point(w, 0),
                                       Gdiplus::Point(0, h)};
    graphics->DrawImage(m_image.m_pImage, corners, 3);

    EnsureLayeredStyle(m_hTarget);
    if (auto update = UpdateLayeredTool::Instance()->m_pfnUpdateLayeredWindow) {
        SIZE size{w, h};
        POINT source{0, 0};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        update(m_hTarget, windowDC, &destination, &size, memoryDC, &source, 0, &blend, ULW_ALPHA);
    }

    delete graphics;
    if (bitmap) {
        SelectObject(memoryDC, previous);
        DeleteObject(bitmap);
    }
    if (memoryDC)
        DeleteDC(memoryDC);
    ReleaseDC(m_hTarget, windowDC);
}
