#include "platform/backend/headless/HeadlessBackend.h"

#include <cstdio>
#include <cstdlib>
#include <deque>

namespace platform::headless {

namespace {

constexpr UINT kButtonsMask = 0x0F; // MB_TYPEMASK
constexpr UINT kOkOnly = 0x00;      // MB_OK
constexpr int kOk = 1;              // IDOK

struct State {
    std::vector<MessageBoxRequest> shown;
    std::deque<int> answers;
};

State& state() {
    static State s;
    return s;
}

int messageBox(const MessageBoxRequest& request) {
    state().shown.push_back(request);
    if (!state().answers.empty()) {
        const int answer = state().answers.front();
        state().answers.pop_front();
        return answer;
    }
    if ((request.type & kButtonsMask) == kOkOnly)
        return kOk;
    std::fprintf(stderr,
                 "headless backend: a message box with several buttons has no scripted answer\n");
    std::abort();
}

} // namespace

BackendHooks hooks() {
    BackendHooks table;
    table.messageBox = &messageBox;
    return table;
}

const std::vector<MessageBoxRequest>& shownMessageBoxes() {
    return state().shown;
}

void clearShownMessageBoxes() {
    state().shown.clear();
}

void scriptMessageBoxAnswer(int command) {
    state().answers.push_back(command);
}

} // namespace platform::headless
