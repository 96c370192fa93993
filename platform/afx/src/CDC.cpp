#include "platform/afx/CDC.h"

#include "platform/user/Icons.h"

#include <map>
#include <memory>

namespace {
std::map<HDC, std::unique_ptr<CDC>>& temporaries() {
    static std::map<HDC, std::unique_ptr<CDC>> map;
    return map;
}
} // namespace

CDC::~CDC() {
    if (m_owned && m_hDC)
        ::DeleteDC(m_hDC);
}

CDC* CDC::FromHandle(HDC dc) {
    if (!dc)
        return nullptr;
    // Contexts live only for a while: an entry for a handle used anew is brought up to date.
    auto& slot = temporaries()[dc];
    if (!slot)
        slot = std::make_unique<CDC>();
    slot->m_hDC = dc;
    return slot.get();
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    m_hDC = ::CreateCompatibleDC(dc ? dc->m_hDC : nullptr);
    m_owned = m_hDC != nullptr;
    return m_owned ? TRUE : FALSE;
}

BOOL CDC::DeleteDC() {
    if (!m_hDC)
        return FALSE;
    const BOOL deleted = ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_owned = false;
    return deleted;
}

BOOL CDC::BitBlt(int x, int y, int w, int h, CDC* source, int sx, int sy, DWORD rop) {
    return ::BitBlt(m_hDC, x, y, w, h, source ? source->m_hDC : nullptr, sx, sy, rop);
}

BOOL CDC::StretchBlt(int x, int y, int w, int h, CDC* source, int sx, int sy, int sw, int sh,
                     DWORD rop) {
    return ::StretchBlt(m_hDC, x, y, w, h, source ? source->m_hDC : nullptr, sx, sy, sw, sh, rop);
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
    return ::DrawIcon(m_hDC, x, y, icon);
}

CPaintDC::CPaintDC(CWnd* window) : m_hWnd(window ? window->m_hWnd : nullptr) {
    m_hDC = BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC() {
    EndPaint(m_hWnd, &m_ps);
    m_hDC = nullptr;
}
