#pragma once

// Messages: sent ones reach the window procedure at once; posted ones wait in the thread's queue
// until a loop takes them. Modal loops nest on the one thread and end at once while a quit is
// pending, passing it on to the loops around them.

#include "platform/user/MessageLoop.h"
#include "platform/user/WinUser.h"

#include <functional>

constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;

LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// FALSE once a quit is pending (the message is then WM_QUIT with the exit code).
BOOL GetMessageW(MSG* message, HWND window, UINT first, UINT last);
BOOL PeekMessageW(MSG* message, HWND window, UINT first, UINT last, UINT remove);
BOOL TranslateMessage(const MSG* message);
LRESULT DispatchMessageW(const MSG* message);

namespace platform::user {

enum class LoopEnd { Finished, Quit };

// Runs a loop of the thread: takes messages, lets `filter` handle one first (true: handled) and
// dispatches the rest, until `finished` says so or a quit is pending.
LoopEnd runModalLoop(const std::function<bool()>& finished,
                     const std::function<bool(const MSG&)>& filter = nullptr);

} // namespace platform::user
