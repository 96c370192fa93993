#include "platform/user/Backend.h"

#include "platform/backend/headless/HeadlessBackend.h"

namespace platform::user {

namespace {

BackendHooks& table() {
    static BackendHooks hooks = headless::hooks();
    return hooks;
}

} // namespace

const BackendHooks& backend() {
    return table();
}

void installBackend(const BackendHooks& hooks) {
    BackendHooks merged = headless::hooks();
    if (hooks.messageBox)
        merged.messageBox = hooks.messageBox;
    if (hooks.waitForInput)
        merged.waitForInput = hooks.waitForInput;
    if (hooks.windowChanged)
        merged.windowChanged = hooks.windowChanged;
    if (hooks.cursorChanged)
        merged.cursorChanged = hooks.cursorChanged;
    table() = merged;
}

} // namespace platform::user
