#include "GtkWindows.h"

#include "VisibleRegion.h"

#include "platform/base/ShowCommands.h"
#include "platform/base/Utf16.h"
#include "platform/user/Icons.h"
#include "platform/user/Screen.h"
#include "platform/user/Windows.h"

#include <chrono>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <map>
#include <string>
#include <vector>

namespace platform::gtk {

namespace {

// A model window as GTK shows it.
struct Presented {
    GtkWidget* widget = nullptr;
    cairo_surface_t* shapedFrom = nullptr; // the picture the input shape was made from
    int shapedWidth = 0;
    int shapedHeight = 0;
    POINT requested{0, 0};    // the last place the program asked for
    bool movePending = false; // the window is not there yet
    std::chrono::steady_clock::time_point requestedAt{};
    bool iconified = false;
    bool gone = false; // its X window was destroyed from outside
    // What the window manager was last given, so that moves do not resend it.
    std::u16string title{};
    HICON icon = nullptr;
};

std::map<HWND, Presented>& presented() {
    static std::map<HWND, Presented> all;
    return all;
}

// How long a move the program asked for may take before the window's place is taken as the
// window manager's answer to it.
constexpr std::chrono::milliseconds kMoveAnswerTime{1000};

HWND modelWindowOf(GtkWidget* widget) {
    for (auto& [hwnd, p] : presented())
        if (p.widget == widget)
            return hwnd;
    return nullptr;
}

gboolean onDraw(GtkWidget* widget, cairo_t* cr, gpointer) {
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    if (cairo_surface_t* surface = platform::user::windowSurface(modelWindowOf(widget))) {
        cairo_set_source_surface(cr, surface, 0, 0);
        cairo_paint(cr);
    } else {
        cairo_set_source_rgba(cr, 0, 0, 0, 0);
        cairo_paint(cr);
    }
    return TRUE;
}

gboolean onButton(GtkWidget*, GdkEventButton* event, gpointer) {
    if (event->button != 1 || event->type == GDK_2BUTTON_PRESS || event->type == GDK_3BUTTON_PRESS)
        return TRUE;
    const auto action = event->type == GDK_BUTTON_PRESS ? platform::user::PointerAction::Press
                                                        : platform::user::PointerAction::Release;
    platform::user::pointerEvent(action, static_cast<int>(event->x_root),
                                 static_cast<int>(event->y_root));
    return TRUE;
}

gboolean onMotion(GtkWidget*, GdkEventMotion* event, gpointer) {
    platform::user::pointerEvent(platform::user::PointerAction::Move,
                                 static_cast<int>(event->x_root), static_cast<int>(event->y_root));
    return TRUE;
}

gboolean onKey(GtkWidget*, GdkEventKey* event, gpointer) {
    if (event->keyval == GDK_KEY_Return || event->keyval == GDK_KEY_KP_Enter)
        platform::user::keyEvent(0x0D);
    else if (event->keyval == GDK_KEY_Escape)
        platform::user::keyEvent(0x1B);
    return TRUE;
}

gboolean onDelete(GtkWidget* widget, GdkEvent*, gpointer) {
    if (HWND window = modelWindowOf(widget))
        platform::user::closeRequest(window);
    return TRUE; // the model decides whether the window goes
}

// Another program destroyed the window (xdotool windowclose, a killed window manager frame):
// that is a close request. Nothing more is done with the dead window.
gboolean onDestroyEvent(GtkWidget* widget, GdkEvent*, gpointer) {
    HWND window = modelWindowOf(widget);
    if (window) {
        presented()[window].gone = true;
        platform::user::closeRequest(window);
    }
    return TRUE;
}

// Whether the X window sits directly on the root window, not in a window manager's frame.
bool parentIsRoot(GtkWidget* widget) {
    GdkWindow* gdkWindow = gtk_widget_get_window(widget);
    if (!gdkWindow)
        return false;
    Display* display = GDK_DISPLAY_XDISPLAY(gdk_window_get_display(gdkWindow));
    ::Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, GDK_WINDOW_XID(gdkWindow), &root, &parent, &children, &count))
        return false;
    if (children)
        XFree(children);
    return parent == root;
}

gboolean onConfigure(GtkWidget* widget, GdkEventConfigure* event, gpointer) {
    HWND window = modelWindowOf(widget);
    if (!window)
        return FALSE;
    Presented& p = presented()[window];
    if (p.movePending) {
        // Until the window arrives where the program asked, what is seen are the steps on the
        // way there, not moves by the window manager.
        if ((event->x == p.requested.x && event->y == p.requested.y) ||
            std::chrono::steady_clock::now() - p.requestedAt > kMoveAnswerTime)
            p.movePending = false;
        else
            return FALSE;
    }
    RECT r;
    GetWindowRect(window, &r);
    if (event->x == r.left && event->y == r.top)
        return FALSE;
    // Moved by someone else, if the event tells the place on the screen: a window manager that
    // keeps the window in a frame tells it with events of its own (sent events, in screen
    // coordinates); the server's own events tell it only while the window sits on the root
    // window. Inside a frame they say where the window is in the frame, and while the window
    // manager takes the window in they may even name a place it passes through on the way. The
    // parent is asked only here, so the program's own moves cost no round trip.
    if (!event->send_event && !parentIsRoot(widget))
        return FALSE;
    // The model follows, and the window is already there.
    p.requested = POINT{event->x, event->y};
    MoveWindow(window, event->x, event->y, r.right - r.left, r.bottom - r.top, TRUE);
    return FALSE;
}

gboolean onWindowState(GtkWidget* widget, GdkEventWindowState* event, gpointer) {
    HWND window = modelWindowOf(widget);
    if (!window || !(event->changed_mask & GDK_WINDOW_STATE_ICONIFIED))
        return FALSE;
    const bool iconified = (event->new_window_state & GDK_WINDOW_STATE_ICONIFIED) != 0;
    presented()[window].iconified = iconified;
    if (iconified && !IsIconic(window))
        ShowWindow(window, SW_MINIMIZE);
    else if (!iconified && IsIconic(window))
        ShowWindow(window, SW_RESTORE);
    return FALSE;
}

GtkWidget* makeWidget(HWND window) {
    GtkWidget* widget = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_decorated(GTK_WINDOW(widget), FALSE);
    gtk_widget_set_app_paintable(widget, TRUE);
    GdkScreen* screen = gtk_widget_get_screen(widget);
    if (gdk_screen_is_composited(screen))
        if (GdkVisual* rgba = gdk_screen_get_rgba_visual(screen))
            gtk_widget_set_visual(widget, rgba);
    gtk_widget_add_events(widget, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK |
                                      GDK_POINTER_MOTION_MASK | GDK_KEY_PRESS_MASK |
                                      GDK_STRUCTURE_MASK);
    g_signal_connect(widget, "draw", G_CALLBACK(onDraw), nullptr);
    g_signal_connect(widget, "button-press-event", G_CALLBACK(onButton), nullptr);
    g_signal_connect(widget, "button-release-event", G_CALLBACK(onButton), nullptr);
    g_signal_connect(widget, "motion-notify-event", G_CALLBACK(onMotion), nullptr);
    g_signal_connect(widget, "key-press-event", G_CALLBACK(onKey), nullptr);
    g_signal_connect(widget, "delete-event", G_CALLBACK(onDelete), nullptr);
    g_signal_connect(widget, "configure-event", G_CALLBACK(onConfigure), nullptr);
    g_signal_connect(widget, "destroy-event", G_CALLBACK(onDestroyEvent), nullptr);
    g_signal_connect(widget, "window-state-event", G_CALLBACK(onWindowState), nullptr);
    if (HWND owner = GetWindow(window, GW_OWNER)) {
        gtk_window_set_skip_taskbar_hint(GTK_WINDOW(widget), TRUE);
        const auto found = presented().find(platform::user::topLevelOf(owner));
        if (found != presented().end())
            gtk_window_set_transient_for(GTK_WINDOW(widget), GTK_WINDOW(found->second.widget));
    }
    return widget;
}

// The input shape is the visible pixels; without a compositor the window's outline is its pixels
// that are at least half opaque instead.
void shape(Presented& p, cairo_surface_t* surface) {
    const int w = cairo_image_surface_get_width(surface),
              h = cairo_image_surface_get_height(surface);
    if (p.shapedFrom == surface && p.shapedWidth == w && p.shapedHeight == h)
        return;
    p.shapedFrom = surface;
    p.shapedWidth = w;
    p.shapedHeight = h;
    // FIXME: without a compositor the pointer passes through the faint pixels outside the outline,
    // which the window model counts as the window's; only a compositor lifts that.
    const bool composited = gdk_screen_is_composited(gtk_widget_get_screen(p.widget));
    cairo_region_t* region =
        visibleRegionOf(surface, composited ? Visibility::NotTransparent : Visibility::HalfOpaque);
    if (composited)
        gtk_widget_input_shape_combine_region(p.widget, region);
    else
        gtk_widget_shape_combine_region(p.widget, region);
    cairo_region_destroy(region);
}

void setTitleAndIcon(Presented& p, HWND window) {
    char16_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (p.title != title) {
        p.title = title;
        gtk_window_set_title(GTK_WINDOW(p.widget), platform::utf16ToUtf8(p.title).c_str());
    }
    HICON icon = platform::user::iconOf(window, true);
    if (icon == p.icon)
        return;
    p.icon = icon;
    cairo_surface_t* picture = icon ? platform::user::iconSurface(icon) : nullptr;
    if (!picture) {
        gtk_window_set_icon(GTK_WINDOW(p.widget), nullptr);
        return;
    }
    GdkPixbuf* pixbuf =
        gdk_pixbuf_get_from_surface(picture, 0, 0, cairo_image_surface_get_width(picture),
                                    cairo_image_surface_get_height(picture));
    gtk_window_set_icon(GTK_WINDOW(p.widget), pixbuf);
    if (pixbuf)
        g_object_unref(pixbuf);
}

} // namespace

void syncWindow(HWND window) {
    auto found = presented().find(window);
    if (!IsWindow(window)) {
        if (found != presented().end()) {
            gtk_widget_destroy(found->second.widget);
            presented().erase(found);
        }
        return;
    }
    const bool visible = IsWindowVisible(window) || IsIconic(window);
    if (found == presented().end()) {
        if (!visible)
            return;
        found = presented().emplace(window, Presented{makeWidget(window)}).first;
    }
    Presented& p = found->second;
    if (p.gone)
        return;
    RECT r;
    GetWindowRect(window, &r);
    const int w = std::max<LONG>(1, r.right - r.left), h = std::max<LONG>(1, r.bottom - r.top);
    setTitleAndIcon(p, window);
    int currentW = 0, currentH = 0;
    gtk_window_get_size(GTK_WINDOW(p.widget), &currentW, &currentH);
    if (currentW != w || currentH != h) {
        gtk_widget_set_size_request(p.widget, w, h);
        gtk_window_resize(GTK_WINDOW(p.widget), w, h);
    }
    if (p.requested.x != r.left || p.requested.y != r.top || !gtk_widget_get_mapped(p.widget)) {
        p.requested = POINT{r.left, r.top};
        p.movePending = true;
        p.requestedAt = std::chrono::steady_clock::now();
        gtk_window_move(GTK_WINDOW(p.widget), r.left, r.top);
    }
    if (cairo_surface_t* surface = platform::user::windowSurface(window))
        shape(p, surface);
    if (IsIconic(window)) {
        if (!p.iconified)
            gtk_window_iconify(GTK_WINDOW(p.widget));
    } else if (IsWindowVisible(window)) {
        if (p.iconified)
            gtk_window_deiconify(GTK_WINDOW(p.widget));
        if (!gtk_widget_get_visible(p.widget))
            gtk_widget_show(p.widget);
    } else if (gtk_widget_get_visible(p.widget)) {
        gtk_widget_hide(p.widget);
    }
    gtk_widget_queue_draw(p.widget);
}

void setPointerShape(bool hand) {
    GdkDisplay* display = gdk_display_get_default();
    GdkCursor* cursor = gdk_cursor_new_from_name(display, hand ? "pointer" : "default");
    for (auto& [hwnd, p] : presented())
        if (!p.gone)
            if (GdkWindow* window = gtk_widget_get_window(p.widget))
                gdk_window_set_cursor(window, cursor);
    if (cursor)
        g_object_unref(cursor);
}

} // namespace platform::gtk
