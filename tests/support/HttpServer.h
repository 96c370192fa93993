#pragma once

#include <httplib.h>

#include <stdexcept>
#include <thread>

namespace testing_support {

// An HTTP server on 127.0.0.1 on a free port, running on a thread of its own until destroyed.
class HttpServer {
public:
    HttpServer() {
        m_port = m_server.bind_to_any_port("127.0.0.1");
        if (m_port <= 0)
            throw std::runtime_error("cannot listen on 127.0.0.1");
        // The socket listens already, so requests made before the thread runs wait in its backlog.
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
    }
    ~HttpServer() {
        m_server.stop();
        m_thread.join();
    }
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    httplib::Server& server() { return m_server; }
    int port() const { return m_port; }

private:
    httplib::Server m_server;
    int m_port = 0;
    std::thread m_thread;
};

} // namespace testing_support
