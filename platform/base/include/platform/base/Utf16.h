#pragma once

#include <string>
#include <string_view>

namespace platform {

// UTF-8 and UTF-16 conversions for file names and other text whose native form on Linux is
// UTF-8 bytes regardless of the locale. Malformed input becomes U+FFFD (UTF-8 to UTF-16) or the
// UTF-8 encoding of U+FFFD (an unpaired surrogate, UTF-16 to UTF-8).
std::u16string utf8ToUtf16(std::string_view text);
std::string utf16ToUtf8(std::u16string_view text);

// Length of a NUL-terminated wide text.
std::size_t wideLength(const char16_t* text);

} // namespace platform
