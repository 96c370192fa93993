#include "platform/inet/InternetOptions.h"

#include "platform/kernel/LastError.h"

#include <cstring>

namespace platform::inet {

SessionOptions& defaultSessionOptions() {
    static SessionOptions options;
    return options;
}

bool setSessionOption(SessionOptions& options, DWORD option, DWORD value) {
    switch (option) {
    case INTERNET_OPTION_CONNECT_TIMEOUT:
        options.connectTimeoutMs = value;
        return true;
    case INTERNET_OPTION_RECEIVE_TIMEOUT:
        options.receiveTimeoutMs = value;
        return true;
    default:
        return false;
    }
}

std::optional<DWORD> sessionOption(const SessionOptions& options, DWORD option) {
    switch (option) {
    case INTERNET_OPTION_CONNECT_TIMEOUT:
        return options.connectTimeoutMs;
    case INTERNET_OPTION_RECEIVE_TIMEOUT:
        return options.receiveTimeoutMs;
    default:
        return std::nullopt;
    }
}

} // namespace platform::inet

BOOL InternetSetOptionW(HINTERNET internet, DWORD option, LPVOID buffer, DWORD bufferLength) {
    // Session handles take their options through CInternetSession::SetOption.
    if (internet != nullptr || !buffer || bufferLength != sizeof(DWORD)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DWORD value = 0;
    std::memcpy(&value, buffer, sizeof value);
    if (!platform::inet::setSessionOption(platform::inet::defaultSessionOptions(), option, value)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return TRUE;
}
