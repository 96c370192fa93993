#pragma once

#include "platform/gdi/Gdi.h"
#include "platform/user/WinUser.h"

#include <cairo.h>
#include <cstdint>
#include <string>
#include <vector>

namespace platform::user {

// One window of the model. Its handle is its address; a destroyed window's handle is refused.
struct Window {
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    ~Window();

    HWND handle() { return reinterpret_cast<HWND>(this); }
    bool isChild() const { return (style & WS_CHILD) != 0 && parent; }

    WNDPROC proc = nullptr;
    UINT classStyle = 0;
    void* classBrush = nullptr;
    std::u16string className;
    Window* parent = nullptr;      // children only
    Window* owner = nullptr;       // top-level windows only
    std::vector<Window*> children; // topmost first
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{0, 0, 0, 0}; // in the parent's client coordinates, or the screen's
    std::u16string text;
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    LONG_PTR dialogResult = 0;
    bool iconic = false;
    bool destroying = false;
    HICON icons[2] = {nullptr, nullptr};

    // Painting (top-level windows hold the surface their whole tree paints into).
    bool needsPaint = true;
    cairo_surface_t* surface = nullptr;

    // Layered windows.
    cairo_surface_t* picture = nullptr; // from UpdateLayeredWindow
    BYTE pictureAlpha = 255;
    bool colourKeyed = false;
    COLORREF colourKey = 0;
    bool constantAlpha = false;
    BYTE alpha = 255;

    // The window as it shows (layering applied), made when first needed after a change.
    cairo_surface_t* shown = nullptr;
};

Window* windowOf(HWND handle);
Window* createWindowObject();
void forgetWindow(Window* window);

// The top-level windows, topmost first.
std::vector<Window*>& topLevels();

// Z-order: the window at the top of its siblings (with the windows it owns above it), or right
// below another.
void bringToTop(Window* window);
void placeBelow(Window* window, Window* above);
void placeAtBottom(Window* window);

// The window's rectangle on the screen.
RECT screenRect(const Window* window);
Window* topLevelWindow(Window* window);
bool onScreen(const Window* window);

// The top-level's surface, at the window's size (made anew when the size changed).
cairo_surface_t* surfaceFor(Window* topLevel);
void invalidateTree(Window* window);
// The window's picture or layering changed: what it shows must be worked out again.
void contentChanged(Window* topLevel);
void notifyChanged(Window* window);

} // namespace platform::user
