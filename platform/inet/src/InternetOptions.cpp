#include "platform/inet/InternetOptions.h"

#include "platform/kernel/LastError.h"

#include <cstring>

namespace platform::inet {

SessionOptions& defaultSessionOptions() {
    static SessionOptions options;
    return options;
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
    auto& defaults = platform::inet::defaultSessionOptions();
    switch (option) {
    case INTERNET_OPTION_CONNECT_TIMEOUT:
        defaults.connectTimeoutMs = value;
        return TRUE;
    case INTERNET_OPTION_RECEIVE_TIMEOUT:
        defaults.receiveTimeoutMs = value;
        return TRUE;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
}
