#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace testing_support {

// A TCP server on 127.0.0.1 that answers every connection with a handler of the test's own,
// for answers no well-behaved HTTP server gives (cut bodies, resets, stalls, garbage).
class RawServer {
public:
    // The handler gets the connected socket and the server's stop flag; it returns when done or
    // when the flag is set. The server closes the socket afterwards.
    using Handler = std::function<void(int socket, const std::atomic<bool>& stopping)>;

    explicit RawServer(Handler handler);
    ~RawServer();
    RawServer(const RawServer&) = delete;
    RawServer& operator=(const RawServer&) = delete;

    int port() const { return m_port; }
    int connections() const { return m_connections; }

    // Helpers for handlers.
    static void sendAll(int socket, const std::string& bytes);
    static void readRequestHead(int socket);
    static void resetConnection(int socket); // an RST instead of an orderly close
    static void waitForStop(const std::atomic<bool>& stopping, int maxMs);

private:
    Handler m_handler;
    int m_listener = -1;
    int m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::atomic<int> m_connections{0};
    std::thread m_thread;
};

// A port on 127.0.0.1 that nothing listens on.
int unusedPort();

} // namespace testing_support
