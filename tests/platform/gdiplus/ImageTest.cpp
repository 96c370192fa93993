#include "platform/gdiplus/Image.h"
#include "platform/gdiplus/Startup.h"
#include "platform/kernel/StreamOnGlobal.h"

#include "tests/support/TempDir.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>

namespace {

// An image decoded from a file's bytes through a stream that owns its block.
std::unique_ptr<Gdiplus::Image> imageOf(const std::string& bytes) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
    GlobalUnlock(block);
    IStream* stream = nullptr;
    EXPECT_EQ(CreateStreamOnHGlobal(block, TRUE, &stream), S_OK);
    auto image = std::make_unique<Gdiplus::Image>(stream);
    stream->Release();
    return image;
}

std::string input(const char* name) {
    return testing_support::readFile(std::string(TARNWICK_TEST_INPUTS) + "/" + name);
}

class ImageLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        Gdiplus::GdiplusStartupInput startup;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&m_token, &startup, nullptr), Gdiplus::Ok);
    }
    void TearDown() override { Gdiplus::GdiplusShutdown(m_token); }

private:
    ULONG_PTR m_token = 0;
};

} // namespace

TEST_F(ImageLibrary, InterlacedAndPlainFilesDecodeToTheSamePremultipliedPixels) {
    auto plain = imageOf(input("plain.png"));
    auto interlaced = imageOf(input("interlaced.png"));
    ASSERT_EQ(plain->GetLastStatus(), Gdiplus::Ok);
    ASSERT_EQ(interlaced->GetLastStatus(), Gdiplus::Ok);
    EXPECT_EQ(interlaced->GetWidth(), 23u);
    EXPECT_EQ(interlaced->GetHeight(), 17u);
    ASSERT_NE(plain->pixels(), nullptr);
    EXPECT_EQ(plain->pixels()->pixels, interlaced->pixels()->pixels);
    // The alpha grows from left to right; no colour channel exceeds its pixel's alpha.
    const auto& pixels = interlaced->pixels()->pixels;
    EXPECT_LT(pixels[0] >> 24, 20u);
    EXPECT_GT(pixels[22] >> 24, 230u);
    for (std::uint32_t p : pixels) {
        const std::uint32_t a = p >> 24;
        EXPECT_LE((p >> 16) & 0xFF, a);
        EXPECT_LE((p >> 8) & 0xFF, a);
        EXPECT_LE(p & 0xFF, a);
    }
}

TEST_F(ImageLibrary, BytesThatAreNotAWholePngReportTheirStatusAndNoSize) {
    const struct {
        const char* name;
        std::string bytes;
        Gdiplus::Status status;
    } cases[] = {
        {"cut short", input("truncated.png"), Gdiplus::GenericError},
        {"another format", input("not-a-png.gif"), Gdiplus::UnknownImageFormat},
        {"nothing", "", Gdiplus::UnknownImageFormat},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto image = imageOf(c.bytes);
        EXPECT_EQ(image->GetLastStatus(), c.status);
        EXPECT_EQ(image->GetLastStatus(), Gdiplus::Ok); // reading the status resets it
        EXPECT_EQ(image->GetWidth(), 0u);
        EXPECT_EQ(image->GetLastStatus(), Gdiplus::InvalidParameter);
        EXPECT_EQ(image->GetHeight(), 0u);
        EXPECT_EQ(image->pixels(), nullptr);
    }
}

TEST(ImageLibraryNotStarted, ImagesReportThatTheLibraryIsNotStarted) {
    auto image = imageOf(input("plain.png"));
    EXPECT_EQ(image->GetLastStatus(), Gdiplus::GdiplusNotInitialized);
    EXPECT_EQ(image->GetWidth(), 0u);
}
