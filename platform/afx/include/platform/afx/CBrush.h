#pragma once

#include "platform/gdi/Gdi.h"

// A brush owned by the object; the owner may also delete it early with DeleteObject.
class CBrush {
public:
    CBrush() = default;
    explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }
    ~CBrush() { DeleteObject(); }
    CBrush(const CBrush&) = delete;
    CBrush& operator=(const CBrush&) = delete;

    BOOL CreateSolidBrush(COLORREF colour);
    BOOL Attach(HBRUSH brush);
    HBRUSH Detach();
    BOOL DeleteObject();
    HBRUSH GetSafeHandle() const { return m_hObject; }
    operator HBRUSH() const { return m_hObject; }

    HBRUSH m_hObject = nullptr;
};
