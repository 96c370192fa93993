#include "platform/kernel/CompareString.h"

#include "platform/kernel/LastError.h"
#include "platform/base/Utf16.h"

#include <cstring>
#include <string>

namespace {

// Full-width katakana for the half-width forms U+FF61..U+FF9F, in order.
constexpr char16_t kKatakana[] = u"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタ"
                                 u"チツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜";
static_assert(sizeof kKatakana / sizeof kKatakana[0] - 1 == 0xFF9F - 0xFF61 + 1);

// Full-width signs U+FFE0..U+FFE6 and what they stand for.
constexpr char16_t kFullWidthSigns[] = u"\u00A2\u00A3\u00AC\u00AF\u00A6\u00A5\u20A9";

bool takesSemiVoicedMark(char16_t c) {
    return c >= u'ハ' && c <= u'ホ' && (c - u'ハ') % 3 == 0;
}

// The kana whose voiced form is the next code point (ウ's is ヴ). The small ッ sits before ツ, so
// the rows カ..チ and ツ..ト each step by two.
bool takesVoicedMark(char16_t c) {
    return (c >= u'カ' && c <= u'チ' && (c - u'カ') % 2 == 0) ||
           (c >= u'ツ' && c <= u'ト' && (c - u'ツ') % 2 == 0) || takesSemiVoicedMark(c) ||
           c == u'ウ';
}

// The text with every character in its ordinary width: full-width ASCII as ASCII, the
// ideographic space as a space, half-width katakana (with their voiced marks) as full-width.
std::u16string foldWidth(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xFF01 && c <= 0xFF5E) {
            out += static_cast<char16_t>(c - 0xFF01 + 0x21);
        } else if (c == 0x3000) {
            out += u' ';
        } else if (c >= 0xFFE0 && c <= 0xFFE6) {
            out += kFullWidthSigns[c - 0xFFE0];
        } else if (c >= 0xFF61 && c <= 0xFF9F) {
            char16_t full = kKatakana[c - 0xFF61];
            const char16_t next = i + 1 < text.size() ? text[i + 1] : 0;
            if (next == 0xFF9E && takesVoicedMark(full)) {
                full = full == u'ウ' ? u'ヴ' : static_cast<char16_t>(full + 1);
                ++i;
            } else if (next == 0xFF9F && takesSemiVoicedMark(full)) {
                full = static_cast<char16_t>(full + 2);
                ++i;
            }
            out += full;
        } else {
            out += c;
        }
    }
    return out;
}

std::u16string foldCase(std::u16string text) {
    for (auto& c : text) {
        if ((c >= u'A' && c <= u'Z') || (c >= 0xFF21 && c <= 0xFF3A))
            c = static_cast<char16_t>(c + 0x20);
    }
    return text;
}

} // namespace

int CompareStringW(LCID /*locale*/, DWORD flags, LPCWSTR text1, int length1, LPCWSTR text2,
                   int length2) {
    if (!text1 || !text2 || length1 < -1 || length2 < -1) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (flags & ~(NORM_IGNORECASE | NORM_IGNOREWIDTH)) {
        SetLastError(ERROR_INVALID_FLAGS);
        return 0;
    }
    std::u16string a(text1, length1 == -1 ? platform::wideLength(text1)
                                          : static_cast<std::size_t>(length1));
    std::u16string b(text2, length2 == -1 ? platform::wideLength(text2)
                                          : static_cast<std::size_t>(length2));
    if (flags & NORM_IGNOREWIDTH) {
        a = foldWidth(a);
        b = foldWidth(b);
    }
    if (flags & NORM_IGNORECASE) {
        a = foldCase(std::move(a));
        b = foldCase(std::move(b));
    }
    if (a == b)
        return CSTR_EQUAL;
    const int order =
        std::strcoll(platform::utf16ToUtf8(a).c_str(), platform::utf16ToUtf8(b).c_str());
    if (order != 0)
        return order < 0 ? CSTR_LESS_THAN : CSTR_GREATER_THAN;
    return a < b ? CSTR_LESS_THAN : CSTR_GREATER_THAN;
}
