#pragma once

#include "platform/base/WinTypes.h"
#include "platform/gdiplus/Status.h"

namespace Gdiplus {

struct GdiplusStartupInput {
    std::uint32_t GdiplusVersion = 1;
    void* DebugEventCallback = nullptr;
    BOOL SuppressBackgroundThread = FALSE;
    BOOL SuppressExternalCodecs = FALSE;
};

struct GdiplusStartupOutput {
    void* NotificationHook = nullptr;
    void* NotificationUnhook = nullptr;
};

// Starts the library; each start gives a token of its own, ended with GdiplusShutdown. Images
// made while no start is in force report GdiplusNotInitialized.
Status GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output);
void GdiplusShutdown(ULONG_PTR token);

} // namespace Gdiplus

namespace platform::gdiplus {
bool started();
}
