#include "platform/kernel/GlobalMemory.h"

#include "platform/kernel/LastError.h"

#include <cstdlib>
#include <cstring>
#include <unordered_set>

namespace {

struct Block {
    std::size_t size = 0;
    UINT locks = 0;
    unsigned char* data = nullptr;
};

std::unordered_set<Block*>& liveBlocks() {
    static std::unordered_set<Block*> blocks;
    return blocks;
}

Block* blockOf(HGLOBAL handle) {
    auto* block = static_cast<Block*>(handle);
    if (!block || !liveBlocks().contains(block)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return block;
}

} // namespace

HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes) {
    auto* block = new (std::nothrow) Block;
    if (!block)
        return nullptr;
    block->size = bytes;
    // A zero-byte block still has an address of its own.
    block->data = static_cast<unsigned char*>((flags & GMEM_ZEROINIT) ? std::calloc(bytes ? bytes : 1, 1)
                                                                      : std::malloc(bytes ? bytes : 1));
    if (!block->data) {
        delete block;
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    liveBlocks().insert(block);
    return block;
}

LPVOID GlobalLock(HGLOBAL handle) {
    Block* block = blockOf(handle);
    if (!block)
        return nullptr;
    ++block->locks;
    return block->data;
}

BOOL GlobalUnlock(HGLOBAL handle) {
    Block* block = blockOf(handle);
    if (!block)
        return FALSE;
    if (block->locks == 0) {
        SetLastError(ERROR_NOT_LOCKED);
        return FALSE;
    }
    --block->locks;
    SetLastError(ERROR_SUCCESS);
    return block->locks > 0 ? TRUE : FALSE;
}

std::size_t GlobalSize(HGLOBAL handle) {
    Block* block = blockOf(handle);
    return block ? block->size : 0;
}

HGLOBAL GlobalFree(HGLOBAL handle) {
    Block* block = blockOf(handle);
    if (!block)
        return handle;
    liveBlocks().erase(block);
    std::free(block->data);
    delete block;
    return nullptr;
}

namespace platform {

std::size_t liveGlobalBlocks() { return liveBlocks().size(); }

bool isGlobalBlock(HGLOBAL block) { return liveBlocks().contains(static_cast<Block*>(block)); }

UINT globalLockCount(HGLOBAL handle) {
    Block* block = blockOf(handle);
    return block ? block->locks : 0;
}

} // namespace platform
