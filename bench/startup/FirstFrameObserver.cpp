// Starts a program and reports how long it took until the screen's middle pixel changed: the
// moment its centred window is mapped and its first frame drawn. Prints "ms=X".
// Usage: tarnwick-bench-first-frame PROGRAM [ARG...]

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

unsigned long pixelAt(Display* display, Window root, int x, int y) {
    XImage* image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return 0;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARG...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    const int x = DisplayWidth(display, DefaultScreen(display)) / 2;
    const int y = DisplayHeight(display, DefaultScreen(display)) / 2;
    // The screen may still be showing the window of a program that just ended (the compositor
    // repaints a moment later): start only once the middle pixel has held still for 200 ms.
    unsigned long before = pixelAt(display, root, x, y);
    const auto settling = std::chrono::steady_clock::now();
    auto stillSince = settling;
    while (std::chrono::steady_clock::now() - settling < std::chrono::seconds(5) &&
           std::chrono::steady_clock::now() - stillSince < std::chrono::milliseconds(200)) {
        usleep(2000);
        const unsigned long now = pixelAt(display, root, x, y);
        if (now != before) {
            before = now;
            stillSince = std::chrono::steady_clock::now();
        }
    }

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[1]);
        return 1;
    }
    double ms = -1;
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(20)) {
        if (pixelAt(display, root, x, y) != before) {
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count();
            break;
        }
        usleep(500);
    }
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    XCloseDisplay(display);
    if (ms < 0) {
        std::fprintf(stderr, "the window never showed\n");
        return 1;
    }
    std::printf("ms=%.1f\n", ms);
    return 0;
}
