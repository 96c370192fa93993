#include "platform/kernel/CodePage.h"
#include "platform/kernel/LastError.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>

namespace {

// Sets the locale for the test's lifetime and restores "C" afterwards.
class LocaleScope {
public:
    explicit LocaleScope(const char* name) { m_ok = std::setlocale(LC_ALL, name) != nullptr; }
    ~LocaleScope() { std::setlocale(LC_ALL, "C"); }
    bool ok() const { return m_ok; }

private:
    bool m_ok;
};

std::string toNarrow(const std::u16string& wide, bool* usedDefault = nullptr) {
    BOOL used = FALSE;
    const int size = WideCharToMultiByte(CP_THREAD_ACP, 0, wide.data(),
                                         static_cast<int>(wide.size()), nullptr, 0, nullptr, &used);
    std::string out(size, '\0');
    EXPECT_EQ(WideCharToMultiByte(CP_THREAD_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                  out.data(), size, nullptr, &used),
              size);
    if (usedDefault)
        *usedDefault = used == TRUE;
    return out;
}

std::u16string toWide(const std::string& narrow, DWORD flags = 0) {
    const int size = MultiByteToWideChar(CP_THREAD_ACP, flags, narrow.data(),
                                         static_cast<int>(narrow.size()), nullptr, 0);
    std::u16string out(size, u'\0');
    MultiByteToWideChar(CP_THREAD_ACP, flags, narrow.data(), static_cast<int>(narrow.size()),
                        out.data(), size);
    return out;
}

} // namespace

TEST(CodePage, ThreadCodePageFollowsTheLocale) {
    const struct {
        const char* locale;
        std::u16string wide;
        std::string narrow;
        bool usedDefault;
    } cases[] = {
        {"C.UTF-8", u"abc", "abc", false},
        {"C.UTF-8", u"启动游戏失败", "启动游戏失败", false},
        {"C.UTF-8", u"\U0001F3AE pad", "\xF0\x9F\x8E\xAE pad", false},
        {"C.UTF-8",
         std::u16string(u"a\xD800"
                        u"b"),
         "a?b", true}, // an unpaired surrogate
        {"C", u"abc", "abc", false},
        {"C", u"é玩\U0001F3AE!",
         "??"
         "?!",
         true}, // one default character per character
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        LocaleScope locale(c.locale);
        ASSERT_TRUE(locale.ok());
        bool used = false;
        EXPECT_EQ(toNarrow(c.wide, &used), c.narrow);
        EXPECT_EQ(used, c.usedDefault);
        if (!c.usedDefault) {
            EXPECT_EQ(toWide(c.narrow), c.wide);
        }
    }
}

TEST(CodePage, UndecodableBytesBecomeReplacementCharactersOrFailWhenAskedTo) {
    const struct {
        const char* locale;
        std::string narrow;
        std::u16string wide;
    } cases[] = {
        {"C.UTF-8",
         "a\xFF"
         "b",
         u"a\xFFFD"
         "b"},
        {"C.UTF-8", "\xE6\x88", u"\xFFFD"},   // cut short
        {"C.UTF-8", "\xC0\xAF", u"\xFFFD"},   // overlong
        {"C", "a\xC3\xA9", u"a\xFFFD\xFFFD"}, // UTF-8 bytes are not ASCII
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        LocaleScope locale(c.locale);
        EXPECT_EQ(toWide(c.narrow), c.wide);
        EXPECT_EQ(MultiByteToWideChar(CP_THREAD_ACP, MB_ERR_INVALID_CHARS, c.narrow.data(),
                                      static_cast<int>(c.narrow.size()), nullptr, 0),
                  0);
        EXPECT_EQ(GetLastError(), ERROR_NO_UNICODE_TRANSLATION);
    }
}

TEST(CodePage, SizesCountTheTerminatorOnlyForTerminatedInput) {
    LocaleScope locale("C.UTF-8");
    EXPECT_EQ(WideCharToMultiByte(CP_THREAD_ACP, 0, u"游戏", -1, nullptr, 0, nullptr, nullptr), 7);
    EXPECT_EQ(WideCharToMultiByte(CP_THREAD_ACP, 0, u"游戏", 2, nullptr, 0, nullptr, nullptr), 6);
    EXPECT_EQ(MultiByteToWideChar(CP_THREAD_ACP, 0, "游戏", -1, nullptr, 0), 3);

    char small[4];
    EXPECT_EQ(
        WideCharToMultiByte(CP_THREAD_ACP, 0, u"游戏", -1, small, sizeof small, nullptr, nullptr),
        0);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);

    EXPECT_EQ(WideCharToMultiByte(CP_THREAD_ACP, 0, nullptr, -1, nullptr, 0, nullptr, nullptr), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(WideCharToMultiByte(12345, 0, u"a", -1, nullptr, 0, nullptr, nullptr), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}
