#pragma once

// Global memory blocks: a handle to a block whose address is known only while it is locked.
// Blocks are tracked, so a handle that was freed or never allocated is refused rather than used.

#include "platform/base/WinTypes.h"

using HGLOBAL = void*;

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;

HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes);
// The block's address; each call adds one lock. Null for an unknown handle.
LPVOID GlobalLock(HGLOBAL block);
// Takes one lock away; TRUE while the block is still locked.
BOOL GlobalUnlock(HGLOBAL block);
std::size_t GlobalSize(HGLOBAL block);
// Null on success; the handle itself when it names no live block.
HGLOBAL GlobalFree(HGLOBAL block);

namespace platform {
// How many blocks are allocated and not yet freed.
std::size_t liveGlobalBlocks();
// Whether the handle names a live block.
bool isGlobalBlock(HGLOBAL block);
// How many locks a live block holds.
UINT globalLockCount(HGLOBAL block);
} // namespace platform
