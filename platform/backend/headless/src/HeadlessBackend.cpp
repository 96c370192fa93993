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
    std::deque<std::function<void()>> input;
    PointerShape cursor = PointerShape::Arrow;
};

State& state() {
    static State s;
    return s;
}

int messageBox(const MessageBoxRequest& request) {
    state().shown.push_back(request);
    if (request.endedByQuit)
        return 0;
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

bool waitForInput() {
    if (state().input.empty()) {
        std::fprintf(stderr, "headless backend: a loop waits for input and none is scripted\n");
        std::abort();
    }
    auto step = std::move(state().input.front());
    state().input.pop_front();
    step();
    return true;
}

void windowChanged(HWND) {}

void cursorChanged(PointerShape shape) {
    state().cursor = shape;
}

} // namespace

BackendHooks hooks() {
    BackendHooks table;
    table.messageBox = &messageBox;
    table.waitForInput = &waitForInput;
    table.windowChanged = &windowChanged;
    table.cursorChanged = &cursorChanged;
    return table;
}

void scriptInput(std::function<void()> step) {
    state().input.push_back(std::move(step));
}

std::size_t scriptedInputLeft() {
    return state().input.size();
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

namespace platform::headless {

PointerShape currentCursor() {
    return state().cursor;
}

} // namespace platform::headless
