#include "platform/user/MessageLoop.h"

namespace {

std::optional<int>& quitRequest() {
    static std::optional<int> code;
    return code;
}

} // namespace

void PostQuitMessage(int exitCode) {
    if (!quitRequest())
        quitRequest() = exitCode;
}

namespace platform::user {

std::optional<int> pendingQuit() {
    return quitRequest();
}

} // namespace platform::user
