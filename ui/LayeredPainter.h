#pragma once

#include "ui/GdiPlusPng.h"

#include "platform/user/WinUser.h"

// Shows a window as its artwork with per-pixel alpha: the window takes the image's size where it
// stands and keeps the picture, so moving it needs no repaint.
class CLayeredPainter {
public:
    void PaintLayered();

    CGdiPlusPngResource m_image;
    HWND m_hTarget = nullptr;
};

// Adds WS_EX_LAYERED to the window's extended style unless it is there already.
void EnsureLayeredStyle(HWND window);
