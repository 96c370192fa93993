#include "launch/Ansi.h"

#include "platform/kernel/CodePage.h"

#include <vector>

std::string ToThreadAnsi(const char16_t* text) {
    if (!text || !*text)
        return {};
    const int size = WideCharToMultiByte(CP_THREAD_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return {};
    std::vector<char> buffer(size);
    WideCharToMultiByte(CP_THREAD_ACP, 0, text, -1, buffer.data(), size, nullptr, nullptr);
    return std::string(buffer.data());
}

std::u16string FromThreadAnsi(const std::string& text) {
    if (text.empty())
        return {};
    const int size = MultiByteToWideChar(CP_THREAD_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (size <= 0)
        return {};
    std::vector<char16_t> buffer(size);
    MultiByteToWideChar(CP_THREAD_ACP, 0, text.c_str(), -1, buffer.data(), size);
    return std::u16string(buffer.data());
}
