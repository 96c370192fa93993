#include "platform/kernel/LastError.h"
#include "platform/kernel/Module.h"
#include "platform/base/Utf16.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

TEST(ModuleFileName, IsTheExecutablesFullPathAndIsCutOnlyWithAnError) {
    const std::u16string expected =
        platform::utf8ToUtf16(std::filesystem::read_symlink("/proc/self/exe").string());
    std::vector<char16_t> buffer(expected.size() + 1);
    EXPECT_EQ(GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size())),
              expected.size());
    EXPECT_EQ(std::u16string(buffer.data()), expected);

    std::vector<char16_t> small(5, u'#');
    EXPECT_EQ(GetModuleFileNameW(nullptr, small.data(), 5), 5u);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(std::u16string(small.data()), expected.substr(0, 4));
}
