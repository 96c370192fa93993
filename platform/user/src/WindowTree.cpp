#include "WindowTree.h"

#include "platform/user/Backend.h"

#include <algorithm>
#include <unordered_set>

namespace platform::user {

namespace {

std::unordered_set<Window*>& liveWindows() {
    static std::unordered_set<Window*> all;
    return all;
}

std::vector<Window*>& siblingsOf(Window* window) {
    return window->isChild() ? window->parent->children : topLevels();
}

} // namespace

Window::~Window() {
    if (surface)
        cairo_surface_destroy(surface);
    if (picture)
        cairo_surface_destroy(picture);
    if (shown)
        cairo_surface_destroy(shown);
}

Window* windowOf(HWND handle) {
    auto* window = reinterpret_cast<Window*>(handle);
    return window && liveWindows().contains(window) ? window : nullptr;
}

Window* createWindowObject() {
    auto* window = new Window;
    liveWindows().insert(window);
    return window;
}

void forgetWindow(Window* window) {
    liveWindows().erase(window);
    auto& siblings = siblingsOf(window);
    std::erase(siblings, window);
    delete window;
}

std::vector<Window*>& topLevels() {
    static std::vector<Window*> all;
    return all;
}

// Owned windows stay above their owners: any that ended up below is moved to just above.
void keepOwnedWindowsAbove(std::vector<Window*>& list) {
    for (std::size_t pass = 0; pass < list.size() * list.size() + 1; ++pass) {
        bool moved = false;
        for (std::size_t i = 0; i < list.size() && !moved; ++i) {
            Window* w = list[i];
            if (!w->owner)
                continue;
            const auto owner = std::find(list.begin(), list.end(), w->owner);
            if (owner != list.end() && owner < list.begin() + static_cast<std::ptrdiff_t>(i)) {
                const auto ownerIndex = owner - list.begin();
                list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
                list.insert(list.begin() + ownerIndex, w);
                moved = true;
            }
        }
        if (!moved)
            return;
    }
}

void bringToTop(Window* window) {
    auto& siblings = siblingsOf(window);
    std::erase(siblings, window);
    siblings.insert(siblings.begin(), window);
    keepOwnedWindowsAbove(siblings);
}

void placeBelow(Window* window, Window* above) {
    auto& siblings = siblingsOf(window);
    std::erase(siblings, window);
    const auto at = std::find(siblings.begin(), siblings.end(), above);
    siblings.insert(at == siblings.end() ? siblings.begin() : at + 1, window);
    keepOwnedWindowsAbove(siblings);
}

void placeAtBottom(Window* window) {
    auto& siblings = siblingsOf(window);
    std::erase(siblings, window);
    siblings.push_back(window);
    keepOwnedWindowsAbove(siblings);
}

RECT screenRect(const Window* window) {
    RECT r = window->rect;
    for (const Window* p = window->isChild() ? window->parent : nullptr; p;
         p = p->isChild() ? p->parent : nullptr) {
        r.left += p->rect.left;
        r.right += p->rect.left;
        r.top += p->rect.top;
        r.bottom += p->rect.top;
        if (!p->isChild())
            break;
    }
    return r;
}

Window* topLevelWindow(Window* window) {
    while (window && window->isChild())
        window = window->parent;
    return window;
}

bool onScreen(const Window* window) {
    for (const Window* w = window; w; w = w->isChild() ? w->parent : nullptr) {
        if (!(w->style & WS_VISIBLE) || w->iconic)
            return false;
        if (!w->isChild()) {
            for (const Window* o = w->owner; o; o = o->owner)
                if (o->iconic)
                    return false;
            break;
        }
    }
    return true;
}

cairo_surface_t* surfaceFor(Window* topLevel) {
    const int w = std::max<LONG>(1, width(topLevel->rect));
    const int h = std::max<LONG>(1, height(topLevel->rect));
    if (topLevel->surface && cairo_image_surface_get_width(topLevel->surface) == w &&
        cairo_image_surface_get_height(topLevel->surface) == h)
        return topLevel->surface;
    if (topLevel->surface)
        cairo_surface_destroy(topLevel->surface);
    topLevel->surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    topLevel->needsPaint = true;
    contentChanged(topLevel);
    return topLevel->surface;
}

void invalidateTree(Window* window) {
    Window* top = topLevelWindow(window);
    if (top) {
        top->needsPaint = true;
        contentChanged(top);
    }
}

void contentChanged(Window* topLevel) {
    if (topLevel && topLevel->shown) {
        cairo_surface_destroy(topLevel->shown);
        topLevel->shown = nullptr;
    }
}

void notifyChanged(Window* window) {
    if (auto hook = backend().windowChanged)
        hook(topLevelWindow(window)->handle());
}

} // namespace platform::user
