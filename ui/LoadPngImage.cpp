#include "ui/LoadPngImage.h"

#include "platform/kernel/Resources.h"
#include "platform/kernel/StreamOnGlobal.h"

#include <cstring>
#include <new>

Gdiplus::Image* LoadPngImage(HMODULE module, UINT id) {
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), u"PNG");
    if (!resource)
        return nullptr;
    const DWORD size = SizeofResource(module, resource);
    HGLOBAL loaded = LoadResource(module, resource);
    if (!loaded)
        return nullptr;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block)
        return nullptr;
    const void* bytes = LockResource(loaded);
    void* copy = GlobalLock(block);
    if (bytes && copy)
        std::memcpy(copy, bytes, size);
    GlobalUnlock(block);
    // From here on the stream owns the block.
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
        GlobalFree(block);
        return nullptr;
    }
    auto* image = new (std::nothrow) Gdiplus::Image(stream);
    stream->Release();
    return image;
}
