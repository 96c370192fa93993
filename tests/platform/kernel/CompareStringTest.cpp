#include "platform/kernel/CompareString.h"
#include "platform/kernel/LastError.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>

TEST(CompareString, IgnoringWidthEqualsFullAndHalfWidthFormsButKeepsCase) {
    const struct {
        std::u16string a;
        std::u16string b;
        DWORD flags;
        int result;
    } cases[] = {
        {u"App", u"App", NORM_IGNOREWIDTH, CSTR_EQUAL},
        {u"App", u"\uFF21\uFF50\uFF50", NORM_IGNOREWIDTH, CSTR_EQUAL}, // Ａｐｐ
        {u"App", u"\uFF21\uFF50\uFF50", 0, CSTR_LESS_THAN}, // width matters without the flag
        {u"a b!", u"a\u3000b\uFF01", NORM_IGNOREWIDTH, CSTR_EQUAL}, // ideographic space, ！
        {u"\u30AC\u30D1\u30A2", u"\uFF76\uFF9E\uFF8A\uFF9F\uFF71", NORM_IGNOREWIDTH,
         CSTR_EQUAL},                                               // ガパア / ｶﾞﾊﾟｱ
        {u"\u30C5", u"\uFF82\uFF9E", NORM_IGNOREWIDTH, CSTR_EQUAL}, // ヅ / ﾂﾞ
        {u"\u00A5", u"\uFFE5", NORM_IGNOREWIDTH, CSTR_EQUAL},       // ¥ / ￥
        {u"App", u"app", NORM_IGNOREWIDTH, CSTR_LESS_THAN},         // code point order in C.UTF-8
        {u"App", u"APP", NORM_IGNOREWIDTH, CSTR_GREATER_THAN},
        {u"App", u"\uFF41pp", NORM_IGNOREWIDTH | NORM_IGNORECASE, CSTR_EQUAL},
        {u"Ap", u"App", NORM_IGNOREWIDTH, CSTR_LESS_THAN},
        {u"", u"", NORM_IGNOREWIDTH, CSTR_EQUAL},
    };
    std::setlocale(LC_ALL, "C.UTF-8");
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.b));
        EXPECT_EQ(CompareStringW(0x0409, c.flags, c.a.data(), static_cast<int>(c.a.size()),
                                 c.b.data(), static_cast<int>(c.b.size())),
                  c.result);
    }
    std::setlocale(LC_ALL, "C");
}

TEST(CompareString, LengthsAndBadArguments) {
    // Only the given lengths are compared; -1 reads up to the NUL.
    EXPECT_EQ(CompareStringW(0, NORM_IGNOREWIDTH, u"xxyyzz", 3, u"xxy-anything", 3), CSTR_EQUAL);
    EXPECT_EQ(CompareStringW(0, 0, u"abc", -1, u"abc", 3), CSTR_EQUAL);
    EXPECT_EQ(CompareStringW(0, 0, nullptr, 3, u"abc", 3), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(CompareStringW(0, 0x10000000, u"a", 1, u"a", 1), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
}
