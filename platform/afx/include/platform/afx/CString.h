#pragma once

#include "platform/base/WinTypes.h"

#include <string>
#include <string_view>

// A wide (UTF-16) text that may hold NULs; converts to a NUL-terminated pointer.
class CString {
public:
    CString() = default;
    CString(LPCWSTR text);
    CString(LPCWSTR text, int length);
    CString(std::u16string text) : m_text(std::move(text)) {}

    operator LPCWSTR() const { return m_text.c_str(); }
    LPCWSTR GetString() const { return m_text.c_str(); }
    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    int Find(WCHAR c, int start = 0) const;
    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    CString& operator+=(const CString& other);
    CString& operator+=(LPCWSTR other);
    CString& operator+=(WCHAR c);
    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, LPCWSTR b);
    friend CString operator+(LPCWSTR a, const CString& b);
    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }

    const std::u16string& str() const { return m_text; }

private:
    std::u16string m_text;
};
