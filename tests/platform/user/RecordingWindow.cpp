#include "tests/platform/user/RecordingWindow.h"

#include "platform/gdi/Gdi.h"
#include "platform/user/Painting.h"
#include "platform/user/Windows.h"

#include <algorithm>

namespace testing_support {

namespace {
WindowRecorder* g_recorder = nullptr;
}

WindowRecorder::WindowRecorder() {
    g_recorder = this;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &WindowRecorder::procedure;
    windowClass.lpszClassName = u"TarnwickTestWindow";
    RegisterClassW(&windowClass);
}

WindowRecorder::~WindowRecorder() {
    for (HWND w : m_created)
        if (IsWindow(w))
            DestroyWindow(w);
    g_recorder = nullptr;
}

HWND WindowRecorder::create(const RECT& rect, DWORD style, HWND parent, DWORD exStyle) {
    HWND w = CreateWindowExW(exStyle, u"TarnwickTestWindow", u"", style, rect.left, rect.top, rect.right - rect.left,
                             rect.bottom - rect.top, parent, nullptr, nullptr, nullptr);
    m_created.push_back(w);
    return w;
}

void WindowRecorder::answer(HWND window, UINT message, std::function<LRESULT(WPARAM, LPARAM)> handler) {
    m_answers[{window, message}] = std::move(handler);
}

void WindowRecorder::paintWith(HWND window, std::uint32_t rgb) {
    answer(window, WM_PAINT, [window, rgb](WPARAM, LPARAM) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HBRUSH brush = CreateSolidBrush(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
        RECT r;
        GetClientRect(window, &r);
        FillRect(dc, &r, brush);
        DeleteObject(brush);
        EndPaint(window, &paint);
        return LRESULT{0};
    });
    InvalidateRect(window, nullptr, TRUE);
}

std::vector<Received> WindowRecorder::received(const std::vector<UINT>& messages) const {
    std::vector<Received> out;
    std::copy_if(m_log.begin(), m_log.end(), std::back_inserter(out), [&](const Received& r) {
        return std::find(messages.begin(), messages.end(), r.message) != messages.end();
    });
    return out;
}

std::vector<UINT> WindowRecorder::messagesOf(HWND window, const std::vector<UINT>& messages) const {
    std::vector<UINT> out;
    for (const auto& r : received(messages))
        if (r.window == window)
            out.push_back(r.message);
    return out;
}

LRESULT WindowRecorder::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!g_recorder)
        return DefWindowProcW(window, message, wParam, lParam);
    g_recorder->m_log.push_back({window, message, wParam, lParam});
    const auto handler = g_recorder->m_answers.find({window, message});
    if (handler != g_recorder->m_answers.end())
        return handler->second(wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace testing_support
