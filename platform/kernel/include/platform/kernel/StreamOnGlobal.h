#pragma once

#include "platform/kernel/GlobalMemory.h"
#include "platform/ole/Stream.h"

// A stream over a global memory block (a new growable one when block is null). With
// deleteOnRelease the stream owns the block and frees it when its last reference goes;
// otherwise the block stays the caller's. The stream reads the block's bytes in place.
HRESULT CreateStreamOnHGlobal(HGLOBAL block, BOOL deleteOnRelease, IStream** stream);
