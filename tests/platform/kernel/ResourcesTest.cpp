#include "platform/kernel/Resources.h"
#include "platform/kernel/LastError.h"

#include <gtest/gtest.h>
#include <string>

TEST(Resources, AreFoundByTypeAndNameAsTextOrNumber) {
    static const char png[] = "png bytes";
    static const char bitmap[] = "bitmap";
    static const char named[] = "named";
    static const platform::ResourceEntry entries[] = {
        {u"PNG", 0, nullptr, 155, png, sizeof png - 1},
        {nullptr, 2, nullptr, 177, bitmap, sizeof bitmap - 1},
        {u"PNG", 0, u"LOGO", 0, named, sizeof named - 1},
    };
    HMODULE module = platform::registerResourceModule(entries);

    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(155), u"png"); // type names ignore case
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(SizeofResource(module, found), 9u);
    EXPECT_EQ(std::string(static_cast<const char*>(LockResource(LoadResource(module, found))), 9),
              "png bytes");
    EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(177), RT_BITMAP), nullptr);
    EXPECT_NE(FindResourceW(module, u"logo", u"PNG"), nullptr);

    const struct {
        const char* name;
        LPCWSTR resource;
        LPCWSTR type;
        DWORD error;
    } misses[] = {
        {"bitmap asked for as PNG", MAKEINTRESOURCEW(177), u"PNG", ERROR_RESOURCE_NAME_NOT_FOUND},
        {"unknown id", MAKEINTRESOURCEW(156), u"PNG", ERROR_RESOURCE_NAME_NOT_FOUND},
        {"unknown type", MAKEINTRESOURCEW(155), RT_DIALOG, ERROR_RESOURCE_TYPE_NOT_FOUND},
        {"number asked for by text", u"155", u"PNG", ERROR_RESOURCE_NAME_NOT_FOUND},
    };
    for (const auto& m : misses) {
        SCOPED_TRACE(m.name);
        EXPECT_EQ(FindResourceW(module, m.resource, m.type), nullptr);
        EXPECT_EQ(GetLastError(), m.error);
    }
    EXPECT_EQ(SizeofResource(module, nullptr), 0u);
    EXPECT_EQ(LoadResource(module, nullptr), nullptr);
}
