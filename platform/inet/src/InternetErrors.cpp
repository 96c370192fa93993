#include "platform/inet/InternetErrors.h"

namespace platform::inet {

std::u16string errorText(DWORD error) {
    switch (error) {
    case ERROR_INTERNET_TIMEOUT:
        return u"The operation timed out";
    case ERROR_INTERNET_INVALID_URL:
        return u"The URL is invalid";
    case ERROR_INTERNET_UNRECOGNIZED_SCHEME:
        return u"The URL does not use a recognized protocol";
    case ERROR_INTERNET_NAME_NOT_RESOLVED:
        return u"The server name or address could not be resolved";
    case ERROR_INTERNET_INCORRECT_HANDLE_STATE:
        return u"The requested operation cannot be carried out in the current state";
    case ERROR_INTERNET_CANNOT_CONNECT:
        return u"A connection with the server could not be established";
    case ERROR_INTERNET_CONNECTION_ABORTED:
        return u"The connection with the server was terminated abnormally";
    case ERROR_INTERNET_CONNECTION_RESET:
        return u"The connection with the server was reset";
    case ERROR_INTERNET_SEC_CERT_ERRORS:
        return u"The server's certificate could not be verified";
    case ERROR_HTTP_INVALID_SERVER_RESPONSE:
        return u"The server returned an invalid or unrecognized response";
    case ERROR_INTERNET_SECURITY_CHANNEL_ERROR:
        return u"An error occurred in the secure channel support";
    default:
        return u"An internal error occurred in the internet extensions";
    }
}

} // namespace platform::inet
