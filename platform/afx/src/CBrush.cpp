#include "platform/afx/CBrush.h"

BOOL CBrush::CreateSolidBrush(COLORREF colour) {
    return Attach(::CreateSolidBrush(colour));
}

BOOL CBrush::Attach(HBRUSH brush) {
    if (m_hObject || !brush)
        return FALSE;
    m_hObject = brush;
    return TRUE;
}

HBRUSH CBrush::Detach() {
    HBRUSH brush = m_hObject;
    m_hObject = nullptr;
    return brush;
}

BOOL CBrush::DeleteObject() {
    if (!m_hObject)
        return FALSE;
    const BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}
