#pragma once

#include "platform/afx/CWnd.h"
#include "platform/user/Painting.h"

// A device context. Objects made by FromHandle stand for contexts the object does not own.
class CDC {
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    static CDC* FromHandle(HDC dc);
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return GetSafeHdc(); }

    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();
    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }
    COLORREF SetTextColor(COLORREF colour) { return ::SetTextColor(m_hDC, colour); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    BOOL BitBlt(int x, int y, int w, int h, CDC* source, int sx, int sy, DWORD rop);
    BOOL StretchBlt(int x, int y, int w, int h, CDC* source, int sx, int sy, int sw, int sh,
                    DWORD rop);
    void FillRect(LPCRECT rect, HBRUSH brush) { ::FillRect(m_hDC, rect, brush); }
    BOOL DrawIcon(int x, int y, HICON icon);

    HDC m_hDC = nullptr;

protected:
    bool m_owned = false;
};

// The context of a window's painting, from BeginPaint to EndPaint.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};
