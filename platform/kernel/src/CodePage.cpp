#include "platform/kernel/CodePage.h"

#include "platform/kernel/LastError.h"
#include "platform/base/Utf16.h"

#include <bit>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <langinfo.h>
#include <string>

namespace {

constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// An iconv conversion descriptor, closed with its owner.
class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~IconvHandle() {
        if (valid())
            iconv_close(m_cd);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return m_cd; }

private:
    iconv_t m_cd;
};

// The character set behind a code page identifier, or null for one the stand-in does not know.
const char* charsetOf(UINT codePage) {
    switch (codePage) {
    case CP_ACP:
    case CP_THREAD_ACP:
        return nl_langinfo(CODESET);
    case CP_UTF8:
        return "UTF-8";
    default:
        return nullptr;
    }
}

bool isUtf8(const char* charset) {
    return std::strcmp(charset, "UTF-8") == 0 || std::strcmp(charset, "utf8") == 0;
}

// Decodes the bytes one character at a time so that an undecodable byte costs one U+FFFD and
// decoding resumes right after it.
bool decode(const char* charset, const char* bytes, std::size_t size, bool strict,
            std::u16string& out) {
    if (isUtf8(charset)) {
        const std::string_view text(bytes, size);
        out = platform::utf8ToUtf16(text);
        // Well-formed UTF-8 is exactly the text that survives the round trip.
        return !strict || platform::utf16ToUtf8(out) == text;
    }
    IconvHandle cd(kUtf16, charset);
    if (!cd.valid())
        return false;
    char16_t unit[8];
    auto* in = const_cast<char*>(bytes);
    std::size_t inLeft = size;
    while (inLeft > 0) {
        auto* outPtr = reinterpret_cast<char*>(unit);
        std::size_t outLeft = sizeof unit;
        const std::size_t done = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
        out.append(unit, (sizeof unit - outLeft) / sizeof(char16_t));
        if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
            if (strict)
                return false;
            out += u'\xFFFD';
            ++in;
            --inLeft;
            iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return true;
}

// Encodes one character (one code unit, or a surrogate pair) at a time so that each character
// the charset cannot represent becomes the default character.
bool encode(const char* charset, const char16_t* wide, std::size_t size, const char* defaultChar,
            std::string& out, bool& usedDefault) {
    const std::string fallback = defaultChar ? defaultChar : "?";
    if (isUtf8(charset)) {
        for (std::size_t i = 0; i < size; ++i) {
            const char16_t c = wide[i];
            const bool high = c >= 0xD800 && c <= 0xDBFF;
            if (high && i + 1 < size && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF) {
                out += platform::utf16ToUtf8(std::u16string_view(wide + i, 2));
                ++i;
            } else if (c >= 0xD800 && c <= 0xDFFF) {
                out += fallback;
                usedDefault = true;
            } else {
                out += platform::utf16ToUtf8(std::u16string_view(wide + i, 1));
            }
        }
        return true;
    }
    IconvHandle cd(charset, kUtf16);
    if (!cd.valid())
        return false;
    char buffer[16];
    for (std::size_t i = 0; i < size;) {
        std::size_t units = 1;
        if (wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < size && wide[i + 1] >= 0xDC00 &&
            wide[i + 1] <= 0xDFFF)
            units = 2;
        auto* in = reinterpret_cast<char*>(const_cast<char16_t*>(wide + i));
        std::size_t inLeft = units * sizeof(char16_t);
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        if (iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
            iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
            out += fallback;
            usedDefault = true;
        } else {
            out.append(buffer, sizeof buffer - outLeft);
        }
        i += units;
    }
    return true;
}

} // namespace

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR multiByte, int cbMultiByte,
                        LPWSTR wideChar, int cchWideChar) {
    const char* charset = charsetOf(codePage);
    if (!multiByte || cbMultiByte == 0 || cbMultiByte < -1 || cchWideChar < 0 || !charset ||
        (cchWideChar > 0 && !wideChar)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::size_t size = cbMultiByte == -1 ? std::strlen(multiByte) + 1 : cbMultiByte;
    std::u16string wide;
    if (!decode(charset, multiByte, size, (flags & MB_ERR_INVALID_CHARS) != 0, wide)) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return 0;
    }
    if (cchWideChar == 0)
        return static_cast<int>(wide.size());
    if (wide.size() > static_cast<std::size_t>(cchWideChar)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(wideChar, wide.data(), wide.size() * sizeof(char16_t));
    return static_cast<int>(wide.size());
}

int WideCharToMultiByte(UINT codePage, DWORD /*flags*/, LPCWSTR wideChar, int cchWideChar,
                        LPSTR multiByte, int cbMultiByte, LPCSTR defaultChar,
                        LPBOOL usedDefaultChar) {
    const char* charset = charsetOf(codePage);
    if (!wideChar || cchWideChar == 0 || cchWideChar < -1 || cbMultiByte < 0 || !charset ||
        (cbMultiByte > 0 && !multiByte)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::size_t size = cchWideChar == -1 ? platform::wideLength(wideChar) + 1
                                               : static_cast<std::size_t>(cchWideChar);
    std::string narrow;
    bool usedDefault = false;
    if (!encode(charset, wideChar, size, defaultChar, narrow, usedDefault)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (usedDefaultChar)
        *usedDefaultChar = usedDefault ? TRUE : FALSE;
    if (cbMultiByte == 0)
        return static_cast<int>(narrow.size());
    if (narrow.size() > static_cast<std::size_t>(cbMultiByte)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(multiByte, narrow.data(), narrow.size());
    return static_cast<int>(narrow.size());
}
