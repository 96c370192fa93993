#include "platform/user/Painting.h"

#include "WindowTree.h"
#include "platform/gdi/Surfaces.h"
#include "platform/user/Messages.h"

#include <algorithm>

namespace platform::user {

namespace {

// Where a window lies within its top-level window's surface, clipped by its parents.
RECT surfaceRect(const Window* window, RECT& clip) {
    const Window* top = topLevelWindow(const_cast<Window*>(window));
    const RECT topRect = screenRect(top);
    const RECT own = screenRect(window);
    RECT local{own.left - topRect.left, own.top - topRect.top, own.right - topRect.left,
               own.bottom - topRect.top};
    clip = local;
    for (const Window* p = window->isChild() ? window->parent : nullptr; p;
         p = p->isChild() ? p->parent : nullptr) {
        const RECT pr = screenRect(p);
        clip = intersection(clip, RECT{pr.left - topRect.left, pr.top - topRect.top,
                                       pr.right - topRect.left, pr.bottom - topRect.top});
    }
    return local;
}

HDC contextFor(Window* window) {
    Window* top = topLevelWindow(window);
    cairo_surface_t* surface = surfaceFor(top);
    RECT clip{};
    const RECT local = surfaceRect(window, clip);
    return platform::gdi::createSurfaceDC(surface, local.left, local.top, clip);
}

void paintWindow(Window* window) {
    SendMessageW(window->handle(), WM_PAINT, 0, 0);
    if (!windowOf(window->handle()))
        return;
    // Children paint after their parent, the bottom one first.
    const std::vector<Window*> children = window->children;
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if (windowOf((*it)->handle()) && ((*it)->style & WS_VISIBLE))
            paintWindow(*it);
}

std::uint64_t g_paintedTrees = 0;

void paintTree(Window* top) {
    ++g_paintedTrees;
    cairo_surface_t* surface = surfaceFor(top);
    cairo_t* cr = cairo_create(surface);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_destroy(cr);
    top->needsPaint = false;
    paintWindow(top);
    contentChanged(top);
    notifyChanged(top);
}

} // namespace

std::uint64_t paintedTrees() {
    return g_paintedTrees;
}

void paintPendingWindows() {
    // Painting may create or destroy windows: take the list first and check each as it comes.
    const std::vector<Window*> tops = topLevels();
    for (Window* top : tops)
        if (windowOf(top->handle()) && top->needsPaint && onScreen(top))
            paintTree(top);
}

} // namespace platform::user

using namespace platform;
using namespace platform::user;

HDC BeginPaint(HWND handle, PAINTSTRUCT* paint) {
    Window* window = windowOf(handle);
    if (!window || !paint)
        return nullptr;
    HDC dc = contextFor(window);
    paint->hdc = dc;
    paint->fErase =
        SendMessageW(handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) ? FALSE : TRUE;
    paint->rcPaint = RECT{0, 0, width(window->rect), height(window->rect)};
    paint->fRestore = FALSE;
    paint->fIncUpdate = FALSE;
    return dc;
}

BOOL EndPaint(HWND /*handle*/, const PAINTSTRUCT* paint) {
    if (!paint)
        return FALSE;
    DeleteDC(paint->hdc);
    return TRUE;
}

HDC GetDC(HWND handle) {
    Window* window = windowOf(handle);
    return window ? contextFor(window) : nullptr;
}

int ReleaseDC(HWND /*handle*/, HDC dc) {
    return DeleteDC(dc) ? 1 : 0;
}

BOOL InvalidateRect(HWND handle, const RECT* /*rect*/, BOOL /*erase*/) {
    if (!handle) {
        for (Window* top : topLevels())
            top->needsPaint = true;
        return TRUE;
    }
    Window* window = windowOf(handle);
    if (!window)
        return FALSE;
    invalidateTree(window);
    return TRUE;
}

BOOL UpdateWindow(HWND handle) {
    Window* window = windowOf(handle);
    if (!window)
        return FALSE;
    Window* top = topLevelWindow(window);
    if (top->needsPaint && onScreen(top))
        paintTree(top);
    return TRUE;
}
