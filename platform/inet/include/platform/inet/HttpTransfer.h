#pragma once

#include "platform/base/Expected.h"
#include "platform/inet/InternetOptions.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace platform::inet {

// One HTTP GET, carried out on the calling thread: the calls that wait pump the transfer until
// what they wait for has arrived. Redirects are followed. The body is held only in a small
// buffer (the transfer pauses while it is full), so a large download is streamed to the reader.
// Errors are internet error codes (ERROR_INTERNET_...).
class HttpTransfer {
public:
    struct Request {
        std::string url;
        std::string userAgent;
        SessionOptions options;
    };

    static Expected<std::unique_ptr<HttpTransfer>, DWORD> start(const Request& request);
    ~HttpTransfer();
    HttpTransfer(const HttpTransfer&) = delete;
    HttpTransfer& operator=(const HttpTransfer&) = delete;

    // Waits until the final response's status line and headers arrived; returns its status code.
    Expected<long, DWORD> waitForResponse();

    // The body's length as the server announced it, once the response arrived.
    std::optional<std::uint64_t> contentLength() const;

    // Body bytes that can be read without waiting.
    std::size_t available() const;

    // Reads up to size body bytes, waiting until at least one arrived; 0 at the end of the body.
    // A body cut short, a reset or a stall longer than the receive time-out is an error.
    Expected<std::size_t, DWORD> read(char* buffer, std::size_t size);

private:
    struct State;
    explicit HttpTransfer(std::unique_ptr<State> state);
    std::unique_ptr<State> m_state;
};

} // namespace platform::inet
