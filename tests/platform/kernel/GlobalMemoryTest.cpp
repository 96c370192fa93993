#include "platform/kernel/GlobalMemory.h"
#include "platform/kernel/StreamOnGlobal.h"

#include <cstring>
#include <gtest/gtest.h>

TEST(GlobalMemory, BlocksCountTheirLocksAndRefuseHandlesThatAreGone) {
    const std::size_t before = platform::liveGlobalBlocks();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 16);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalSize(block), 16u);
    auto* first = static_cast<unsigned char*>(GlobalLock(block));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first[15], 0);
    EXPECT_EQ(GlobalLock(block), first);
    EXPECT_EQ(platform::globalLockCount(block), 2u);
    EXPECT_EQ(GlobalUnlock(block), TRUE);  // one lock left
    EXPECT_EQ(GlobalUnlock(block), FALSE); // unlocked now
    EXPECT_EQ(GlobalUnlock(block), FALSE);
    EXPECT_EQ(platform::liveGlobalBlocks(), before + 1);
    EXPECT_EQ(GlobalFree(block), nullptr);
    EXPECT_EQ(platform::liveGlobalBlocks(), before);
    // A freed handle is refused, not used.
    EXPECT_EQ(GlobalFree(block), block);
    EXPECT_EQ(GlobalLock(block), nullptr);
}

TEST(GlobalMemory, StreamReadsTheBlockAndFreesItOnlyWhenItOwnsIt) {
    const std::size_t before = platform::liveGlobalBlocks();
    for (BOOL owns : {FALSE, TRUE}) {
        SCOPED_TRACE(owns ? "stream owns the block" : "caller keeps the block");
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 10);
        std::memcpy(GlobalLock(block), "0123456789", 10);
        GlobalUnlock(block);
        IStream* stream = nullptr;
        ASSERT_EQ(CreateStreamOnHGlobal(block, owns, &stream), S_OK);
        char buffer[8] = {};
        ULONG read = 0;
        EXPECT_EQ(stream->Read(buffer, 4, &read), S_OK);
        EXPECT_EQ(std::string(buffer, read), "0123");
        ULARGE_INTEGER position{};
        EXPECT_EQ(stream->Seek(LARGE_INTEGER{-3}, STREAM_SEEK_END, &position), S_OK);
        EXPECT_EQ(position.QuadPart, 7u);
        EXPECT_EQ(stream->Read(buffer, 8, &read), S_FALSE); // fewer than asked: the end
        EXPECT_EQ(std::string(buffer, read), "789");
        stream->AddRef();
        stream->Release();
        EXPECT_EQ(platform::liveGlobalBlocks(), before + 1);
        stream->Release();
        EXPECT_EQ(platform::liveGlobalBlocks(), owns ? before : before + 1);
        if (!owns) {
            EXPECT_EQ(GlobalFree(block), nullptr);
        }
    }
    IStream* stream = nullptr;
    EXPECT_EQ(CreateStreamOnHGlobal(reinterpret_cast<HGLOBAL>(0x1234), TRUE, &stream),
              E_INVALIDARG);
    EXPECT_EQ(stream, nullptr);
}
