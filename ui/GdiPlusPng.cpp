#include "ui/GdiPlusPng.h"

#include "platform/kernel/Resources.h"
#include "platform/kernel/StreamOnGlobal.h"

#include <cstring>
#include <new>

CGdiPlusPng::~CGdiPlusPng() {
    delete m_pImage;
    m_pImage = nullptr;
}

UINT CGdiPlusPng::GetWidth() const {
    return m_pImage ? m_pImage->GetWidth() : 0;
}

UINT CGdiPlusPng::GetHeight() const {
    return m_pImage ? m_pImage->GetHeight() : 0;
}

CGdiPlusPngResource::~CGdiPlusPngResource() {
    Empty();
}

void CGdiPlusPngResource::Empty() {
    // The image reads from the block: it goes first.
    delete m_pImage;
    m_pImage = nullptr;
    if (m_hBuffer) {
        GlobalUnlock(m_hBuffer);
        GlobalFree(m_hBuffer);
        m_hBuffer = nullptr;
    }
}

bool CGdiPlusPngResource::Load(LPCWSTR name, HMODULE module) {
    Empty();
    HRSRC resource = FindResourceW(module, name, u"PNG");
    if (!resource)
        return false;
    const DWORD size = SizeofResource(module, resource);
    if (size == 0)
        return false;
    const void* bytes = LockResource(LoadResource(module, resource));
    if (!bytes)
        return false;
    m_hBuffer = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!m_hBuffer)
        return false;
    void* copy = GlobalLock(m_hBuffer);
    if (!copy) {
        GlobalFree(m_hBuffer);
        m_hBuffer = nullptr;
        return false;
    }
    std::memcpy(copy, bytes, size);
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(m_hBuffer, FALSE, &stream) != S_OK) {
        GlobalUnlock(m_hBuffer);
        GlobalFree(m_hBuffer);
        m_hBuffer = nullptr;
        return false;
    }
    m_pImage = new (std::nothrow) Gdiplus::Image(stream);
    stream->Release();
    if (!m_pImage) {
        GlobalUnlock(m_hBuffer);
        GlobalFree(m_hBuffer);
        m_hBuffer = nullptr;
        return false;
    }
    if (m_pImage->GetLastStatus() == Gdiplus::Ok)
        return true;
    Empty();
    return false;
}
