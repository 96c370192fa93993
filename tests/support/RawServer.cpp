#include "tests/support/RawServer.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace testing_support {

namespace {

int listenOnLoopback(int& port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, 16) != 0)
        throw std::runtime_error("cannot listen on 127.0.0.1");
    socklen_t length = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    return fd;
}

} // namespace

RawServer::RawServer(Handler handler) : m_handler(std::move(handler)) {
    m_listener = listenOnLoopback(m_port);
    m_thread = std::thread([this] {
        while (!m_stopping) {
            pollfd fd{m_listener, POLLIN, 0};
            if (poll(&fd, 1, 50) <= 0)
                continue;
            const int client = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0)
                continue;
            ++m_connections;
            m_handler(client, m_stopping);
            close(client);
        }
    });
}

RawServer::~RawServer() {
    m_stopping = true;
    m_thread.join();
    close(m_listener);
}

void RawServer::sendAll(int socket, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = send(socket, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return;
        sent += n;
    }
}

void RawServer::readRequestHead(int socket) {
    std::string head;
    char c = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (head.find("\r\n\r\n") == std::string::npos &&
           std::chrono::steady_clock::now() < deadline) {
        pollfd fd{socket, POLLIN, 0};
        if (poll(&fd, 1, 50) <= 0)
            continue;
        if (recv(socket, &c, 1, 0) != 1)
            return;
        head += c;
    }
}

void RawServer::resetConnection(int socket) {
    linger option{1, 0};
    setsockopt(socket, SOL_SOCKET, SO_LINGER, &option, sizeof option);
}

void RawServer::waitForStop(const std::atomic<bool>& stopping, int maxMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(maxMs);
    while (!stopping && std::chrono::steady_clock::now() < deadline)
        usleep(10000);
}

int unusedPort() {
    int port = 0;
    const int fd = listenOnLoopback(port);
    close(fd); // nothing listens on it any more; the kernel does not hand it out again at once
    return port;
}

} // namespace testing_support
