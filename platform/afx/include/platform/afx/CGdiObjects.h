#pragma once

#include "platform/gdi/Gdi.h"

class CDC;

// A font owned by the object.
class CFont {
public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // A font of the face at the size in tenths of a point (on the screen, 96 dots per inch).
    BOOL CreatePointFont(int tenthsOfPoint, LPCWSTR face, CDC* dc = nullptr);
    BOOL CreateFontIndirect(const LOGFONTW* font);
    BOOL DeleteObject();
    operator HFONT() const { return m_hObject; }

    HFONT m_hObject = nullptr;
};

// A bitmap owned by the object.
class CBitmap {
public:
    CBitmap() = default;
    ~CBitmap() { DeleteObject(); }
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    // The bitmap resource of the application's resource module.
    BOOL LoadBitmap(UINT id);
    int GetBitmap(BITMAP* info) const { return GetObjectW(m_hObject, sizeof(BITMAP), info); }
    BOOL DeleteObject();
    operator HBITMAP() const { return m_hObject; }

    HBITMAP m_hObject = nullptr;
};
