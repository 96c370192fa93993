#include "platform/afx/CString.h"

#include "platform/base/Utf16.h"

#include <algorithm>

CString::CString(LPCWSTR text) : m_text(text ? text : u"") {}

CString::CString(LPCWSTR text, int length)
    : m_text(text && length > 0 ? std::u16string(text, length) : std::u16string()) {}

int CString::Find(WCHAR c, int start) const {
    if (start < 0 || start > GetLength())
        return -1;
    const auto found = m_text.find(c, start);
    return found == std::u16string::npos ? -1 : static_cast<int>(found);
}

CString CString::Left(int count) const {
    return CString(m_text.substr(0, std::clamp(count, 0, GetLength())));
}

CString CString::Mid(int first) const {
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const {
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_text.substr(first, count));
}

CString& CString::operator+=(const CString& other) {
    m_text += other.m_text;
    return *this;
}

CString& CString::operator+=(LPCWSTR other) {
    if (other)
        m_text += other;
    return *this;
}

CString& CString::operator+=(WCHAR c) {
    m_text += c;
    return *this;
}

CString operator+(const CString& a, const CString& b) {
    return CString(a.m_text + b.m_text);
}

CString operator+(const CString& a, LPCWSTR b) {
    CString result = a;
    result += b;
    return result;
}

CString operator+(LPCWSTR a, const CString& b) {
    CString result(a);
    result += b;
    return result;
}
