#pragma once

#include "ui/LayeredPainter.h"

#include "platform/afx/CBrush.h"

// A layered window that is see-through wherever it is painted in the key colour (yellow): the
// owner's control-colour handler returns m_keyBrush so that its background is that colour.
class CColorKeyLayer : public CLayeredPainter {
public:
    void ApplyColorKey();

    CBrush m_keyBrush;
    COLORREF m_keyColor = 0x0000FFFF;
};
