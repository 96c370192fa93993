#include "platform/afx/CGdiObjects.h"

#include "platform/afx/CWinApp.h"
#include "platform/kernel/Resources.h"
#include "platform/user/Icons.h"

#include <algorithm>
#include <string>

BOOL CFont::CreatePointFont(int tenthsOfPoint, LPCWSTR face, CDC* /*dc*/) {
    LOGFONTW font{};
    font.lfHeight = -(tenthsOfPoint * 96 / 720);
    font.lfWeight = FW_NORMAL;
    const std::u16string name = face ? face : u"";
    std::copy_n(name.begin(), std::min<std::size_t>(name.size(), 31), font.lfFaceName);
    return CreateFontIndirect(&font);
}

BOOL CFont::CreateFontIndirect(const LOGFONTW* font) {
    if (m_hObject)
        return FALSE;
    m_hObject = CreateFontIndirectW(font);
    return m_hObject ? TRUE : FALSE;
}

BOOL CFont::DeleteObject() {
    if (!m_hObject)
        return FALSE;
    const BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}

BOOL CBitmap::LoadBitmap(UINT id) {
    if (m_hObject)
        return FALSE;
    m_hObject = LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id));
    return m_hObject ? TRUE : FALSE;
}

BOOL CBitmap::DeleteObject() {
    if (!m_hObject)
        return FALSE;
    const BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}
