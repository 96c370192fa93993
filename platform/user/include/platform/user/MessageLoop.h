#pragma once

#include <optional>

// Asks the thread's message loops to end: the innermost loop ends at once and passes the request
// on to the loops around it. Only the first request counts; its code is the process exit code.
void PostQuitMessage(int exitCode);

namespace platform::user {

// The exit code of the quit request, once one was made.
std::optional<int> pendingQuit();

} // namespace platform::user
