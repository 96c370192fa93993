#pragma once

#include "platform/backend/BackendHooks.h"

#include <functional>
#include <vector>

namespace platform::headless {

// The hooks of the headless backend; the window model starts with these.
BackendHooks hooks();

// Every message box shown so far, oldest first.
const std::vector<MessageBoxRequest>& shownMessageBoxes();
void clearShownMessageBoxes();

// Answers for the next message boxes, in order. A box with a single button (MB_OK) that finds no
// scripted answer is answered with that button; any other box without an answer aborts the
// process with a message, since nobody would ever answer it.
void scriptMessageBoxAnswer(int command);

// Things the (pretend) user does, in order: each runs when a loop of the model waits for input.
// A loop that waits when none is left fails the test: it aborts the process with a message.
void scriptInput(std::function<void()> step);
std::size_t scriptedInputLeft();

// The pointer's shape the model last set.
PointerShape currentCursor();

} // namespace platform::headless
