#include "platform/gdiplus/Startup.h"

#include <set>

namespace {

struct Tokens {
    std::set<ULONG_PTR> live;
    ULONG_PTR next = 1;
};

Tokens& tokens() {
    static Tokens t;
    return t;
}

} // namespace

namespace Gdiplus {

Status GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output) {
    if (!token || !input)
        return InvalidParameter;
    if (input->GdiplusVersion != 1)
        return UnsupportedGdiplusVersion;
    if (input->SuppressBackgroundThread && !output)
        return InvalidParameter;
    *token = tokens().next++;
    tokens().live.insert(*token);
    return Ok;
}

void GdiplusShutdown(ULONG_PTR token) { tokens().live.erase(token); }

} // namespace Gdiplus

namespace platform::gdiplus {
bool started() { return !tokens().live.empty(); }
} // namespace platform::gdiplus
