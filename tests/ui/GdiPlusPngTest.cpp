#include "ui/GdiPlusPng.h"
#include "ui/LoadPngImage.h"

#include "res/ResourceTable.h"
#include "res/resource.h"
#include "tests/support/TempDir.h"

#include "platform/afx/CWinApp.h"
#include "platform/gdiplus/Startup.h"
#include "platform/kernel/Resources.h"
#include "platform/user/Layered.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// The program's own resources as the executable's, and a module of damaged artwork.
class Artwork : public ::testing::Environment {
public:
    void SetUp() override {
        platform::registerResourceModule(tarnwickResources());
        m_truncated =
            testing_support::readFile(std::string(TARNWICK_TEST_INPUTS) + "/truncated.png");
        m_entries[0] = {u"PNG", 0, nullptr, 900, m_truncated.data(), m_truncated.size()};
        m_entries[1] = {u"PNG", 0, nullptr, 901, "", 0};
        s_damaged = platform::registerResourceModule(m_entries);
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&m_token, &input, nullptr);
        // What the application object's start does for the layered windows.
        platform::user::registerUser32Library();
    }
    static HMODULE damaged() { return s_damaged; }

private:
    std::string m_truncated;
    platform::ResourceEntry m_entries[2];
    ULONG_PTR m_token = 0;
    static inline HMODULE s_damaged = nullptr;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Artwork);

} // namespace

TEST(PngResource, HolderReportsTheArtworksSizeAndKeepsItsBlockLocked) {
    CGdiPlusPngResource holder;
    EXPECT_EQ(holder.GetWidth(), 0u);
    EXPECT_EQ(holder.GetHeight(), 0u);
    ASSERT_TRUE(holder.Load(MAKEINTRESOURCEW(IDB_PNG_LOGIN), AfxGetResourceHandle()));
    EXPECT_EQ(holder.GetWidth(), 1334u);
    EXPECT_EQ(holder.GetHeight(), 725u);
    ASSERT_NE(holder.m_hBuffer, nullptr);
    EXPECT_EQ(platform::globalLockCount(holder.m_hBuffer), 1u);
}

TEST(PngResource, EveryArtworkStripHasItsSize) {
    const struct {
        UINT id;
        UINT width;
        UINT height;
    } strips[] = {{IDB_PNG_CLOSE, 54, 216},
                  {IDB_PNG_MIN, 39, 156},
                  {IDB_PNG_CONFIRM, 74, 104},
                  {IDB_PNG_CANCEL, 74, 104}};
    for (const auto& s : strips) {
        SCOPED_TRACE(s.id);
        std::unique_ptr<Gdiplus::Image> image(LoadPngImage(AfxGetResourceHandle(), s.id));
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->GetWidth(), s.width);
        EXPECT_EQ(image->GetHeight(), s.height);
    }
}

TEST(PngResource, FailedLoadsLeaveTheHolderEmptyAndGiveTheirBlocksBack) {
    const std::size_t before = platform::liveGlobalBlocks();
    CGdiPlusPngResource holder;
    ASSERT_TRUE(holder.Load(MAKEINTRESOURCEW(IDB_PNG_LOGIN), nullptr));
    EXPECT_EQ(platform::liveGlobalBlocks(), before + 1);

    const struct {
        const char* name;
        LPCWSTR id;
        HMODULE module;
    } failures[] = {
        {"a bitmap, not a PNG", MAKEINTRESOURCEW(IDB_CONFIRM_BACK), nullptr},
        {"missing", MAKEINTRESOURCEW(999), nullptr},
        {"damaged PNG", MAKEINTRESOURCEW(900), Artwork::damaged()},
        {"empty resource", MAKEINTRESOURCEW(901), Artwork::damaged()},
    };
    for (const auto& f : failures) {
        SCOPED_TRACE(f.name);
        EXPECT_FALSE(holder.Load(f.id, f.module));
        EXPECT_EQ(holder.m_pImage, nullptr);
        EXPECT_EQ(holder.m_hBuffer, nullptr);
        EXPECT_EQ(holder.GetWidth(), 0u);
        EXPECT_EQ(platform::liveGlobalBlocks(), before);
    }
}

TEST(PngResource, LoadedImageGivesItsBlockBackExactlyWhenDeleted) {
    const std::size_t before = platform::liveGlobalBlocks();
    Gdiplus::Image* image = LoadPngImage(nullptr, IDB_PNG_CLOSE);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(platform::liveGlobalBlocks(), before + 1);
    delete image;
    EXPECT_EQ(platform::liveGlobalBlocks(), before);

    EXPECT_EQ(LoadPngImage(nullptr, IDB_CONFIRM_BACK), nullptr);
    EXPECT_EQ(LoadPngImage(nullptr, 999), nullptr);
    EXPECT_EQ(platform::liveGlobalBlocks(), before);

    // A damaged PNG is not detected here: the image comes back with no size.
    std::unique_ptr<Gdiplus::Image> damaged(LoadPngImage(Artwork::damaged(), 900));
    ASSERT_NE(damaged, nullptr);
    EXPECT_EQ(damaged->GetWidth(), 0u);
    EXPECT_EQ(damaged->GetHeight(), 0u);
}
