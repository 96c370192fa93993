#pragma once

#include "platform/backend/BackendHooks.h"

namespace platform::user {

// The hooks the model calls; the headless backend's until a backend installs its own. A hook
// left null in the given table keeps the headless one.
const BackendHooks& backend();
void installBackend(const BackendHooks& hooks);

} // namespace platform::user
