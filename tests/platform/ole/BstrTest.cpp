#include "platform/ole/Bstr.h"

#include <gtest/gtest.h>
#include <string>

TEST(Bstr, HoldsItsLengthAndNulsAndEndsInANul) {
    BSTR text = SysAllocString(u"Wibble");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(SysStringLen(text), 6u);
    EXPECT_EQ(SysStringByteLen(text), 12u);
    EXPECT_EQ(std::u16string(text), u"Wibble");
    SysFreeString(text);

    BSTR withNul = SysAllocStringLen(u"ab\0cd", 5);
    EXPECT_EQ(SysStringLen(withNul), 5u);
    EXPECT_EQ(std::u16string(withNul, 5), std::u16string(u"ab\0cd", 5));
    EXPECT_EQ(withNul[5], u'\0');
    SysFreeString(withNul);

    BSTR zeros = SysAllocStringLen(nullptr, 3);
    EXPECT_EQ(SysStringLen(zeros), 3u);
    EXPECT_EQ(zeros[0], u'\0');
    SysFreeString(zeros);

    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    SysFreeString(nullptr);
}
