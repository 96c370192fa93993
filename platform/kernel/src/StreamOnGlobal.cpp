#include "platform/kernel/StreamOnGlobal.h"

#include <algorithm>
#include <cstring>

namespace {

class GlobalStream final : public IStream {
public:
    GlobalStream(HGLOBAL block, bool ownsBlock) : m_block(block), m_ownsBlock(ownsBlock) {}

    HRESULT QueryInterface(REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (iid == IID_IUnknown || iid == IID_ISequentialStream || iid == IID_IStream) {
            *object = static_cast<IStream*>(this);
            AddRef();
            return S_OK;
        }
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++m_refs; }
    ULONG Release() override {
        const ULONG left = --m_refs;
        if (left == 0) {
            if (m_ownsBlock)
                GlobalFree(m_block);
            delete this;
        }
        return left;
    }

    HRESULT Read(void* buffer, ULONG size, ULONG* read) override {
        const std::size_t total = GlobalSize(m_block);
        const std::size_t count = m_position < total ? std::min<std::size_t>(size, total - m_position) : 0;
        if (count > 0) {
            auto* data = static_cast<unsigned char*>(GlobalLock(m_block));
            std::memcpy(buffer, data + m_position, count);
            GlobalUnlock(m_block);
            m_position += count;
        }
        if (read)
            *read = static_cast<ULONG>(count);
        return count == size ? S_OK : S_FALSE;
    }
    HRESULT Write(const void*, ULONG, ULONG* written) override {
        // The program's streams are read only; a block of fixed size is all they need.
        if (written)
            *written = 0;
        return STG_E_MEDIUMFULL;
    }
    HRESULT Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* newPosition) override {
        std::int64_t base = 0;
        if (origin == STREAM_SEEK_CUR)
            base = static_cast<std::int64_t>(m_position);
        else if (origin == STREAM_SEEK_END)
            base = static_cast<std::int64_t>(GlobalSize(m_block));
        else if (origin != STREAM_SEEK_SET)
            return STG_E_INVALIDFUNCTION;
        const std::int64_t target = base + move.QuadPart;
        if (target < 0)
            return STG_E_INVALIDFUNCTION;
        m_position = static_cast<std::size_t>(target);
        if (newPosition)
            newPosition->QuadPart = m_position;
        return S_OK;
    }
    HRESULT SetSize(ULARGE_INTEGER) override { return E_NOTIMPL; }
    HRESULT CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override { return E_NOTIMPL; }
    HRESULT Commit(DWORD) override { return S_OK; }
    HRESULT Revert() override { return S_OK; }
    HRESULT LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    HRESULT UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    HRESULT Stat(void*, DWORD) override { return E_NOTIMPL; }
    HRESULT Clone(IStream**) override { return E_NOTIMPL; }

private:
    ~GlobalStream() = default;

    HGLOBAL m_block;
    bool m_ownsBlock;
    ULONG m_refs = 1;
    std::size_t m_position = 0;
};

} // namespace

HRESULT CreateStreamOnHGlobal(HGLOBAL block, BOOL deleteOnRelease, IStream** stream) {
    if (!stream)
        return E_INVALIDARG;
    *stream = nullptr;
    if (!block) {
        block = GlobalAlloc(GMEM_MOVEABLE, 0);
        if (!block)
            return E_OUTOFMEMORY;
    } else if (!platform::isGlobalBlock(block)) {
        return E_INVALIDARG;
    }
    *stream = new GlobalStream(block, deleteOnRelease != FALSE);
    return S_OK;
}
