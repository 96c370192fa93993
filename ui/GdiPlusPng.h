#pragma once

#include "platform/gdiplus/Image.h"
#include "platform/kernel/GlobalMemory.h"

// An image holder: the decoded image, owned.
class CGdiPlusPng {
public:
    CGdiPlusPng() = default;
    virtual ~CGdiPlusPng();
    CGdiPlusPng(const CGdiPlusPng&) = delete;
    CGdiPlusPng& operator=(const CGdiPlusPng&) = delete;

    // The image's size in pixels; 0 when nothing is loaded or the size cannot be told.
    UINT GetWidth() const;
    UINT GetHeight() const;

    Gdiplus::Image* m_pImage = nullptr;
};

// An image holder for artwork a window keeps for its whole life: the image together with the
// copy of the PNG resource it reads from, which stays locked while the image exists.
class CGdiPlusPngResource : public CGdiPlusPng {
public:
    CGdiPlusPngResource() = default;
    ~CGdiPlusPngResource() override;

    // Decodes the "PNG" resource `name` of `module`; false leaves the holder empty (it never keeps
    // an earlier image).
    bool Load(LPCWSTR name, HMODULE module);

    HGLOBAL m_hBuffer = nullptr;

private:
    void Empty();
};
