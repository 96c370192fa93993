#pragma once

#include <string>

// Conversions between wide text and the thread's code page, as the hand-off makes them: up to
// the first NUL, characters the code page cannot represent becoming its default character.
std::string ToThreadAnsi(const char16_t* text);
std::u16string FromThreadAnsi(const std::string& text);
