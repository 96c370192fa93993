#pragma once

#include "platform/base/WinTypes.h"

#include <optional>

using HINTERNET = void*;

constexpr DWORD INTERNET_OPTION_CONNECT_TIMEOUT = 2;
constexpr DWORD INTERNET_OPTION_RECEIVE_TIMEOUT = 6;

// Sets an option; with a null handle it sets the process's default for sessions opened later.
// The two time-outs are in milliseconds: how long a connection may take to be established
// (default 30 s), and how long a transfer may go without receiving a byte (default 60 s).
BOOL InternetSetOptionW(HINTERNET internet, DWORD option, LPVOID buffer, DWORD bufferLength);

namespace platform::inet {

struct SessionOptions {
    DWORD connectTimeoutMs = 30000;
    DWORD receiveTimeoutMs = 60000;
};

// The defaults a new session starts from.
SessionOptions& defaultSessionOptions();

// Sets or reads one of the options above; false (or nothing) for an option it does not hold.
bool setSessionOption(SessionOptions& options, DWORD option, DWORD value);
std::optional<DWORD> sessionOption(const SessionOptions& options, DWORD option);

} // namespace platform::inet
