#include "launch/LauncherUrl.h"

#define TARNWICK_WIDEN2(text) u##text
#define TARNWICK_WIDEN(text) TARNWICK_WIDEN2(text)

const char16_t* LauncherDownloadUrl() {
    return TARNWICK_WIDEN(TARNWICK_LAUNCHER_URL);
}
