#include "HttpTestServer.h"

#include <arpa/inet.h>
#include <chrono>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace nettest {

namespace {

typedef std::chrono::steady_clock Clock;

int Listener(tuint16& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) {
        return -1;
    }
    sockaddr_in addr;
    std::memset(&addr, 0, sizeof(addr));
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof(addr);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0 || ::listen(fd, 128) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        ::close(fd);
        return -1;
    }
    port = ntohs(addr.sin_port);
    return fd;
}

// Length of the whole request in text (headers and body), 0 while incomplete.
size_t RequestLength(const std::string& text) {
    const size_t end = text.find("\r\n\r\n");
    if (end == std::string::npos) {
        return 0;
    }
    size_t body = 0;
    const size_t at = text.find("Content-Length: ");
    if (at != std::string::npos && at < end) {
        body = std::stoul(text.substr(at + 16));
    }
    const size_t total = end + 4 + body;
    return text.size() >= total ? total : 0;
}

void SendAll(int fd, const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) {
            return;
        }
        sent += static_cast<size_t>(n);
    }
}

} // namespace

HttpTestServer::HttpTestServer(Mode mode) : m_mode(mode), m_listen(-1), m_port(0), m_bStop(false) {
    m_listen = Listener(m_port);
    if (m_listen >= 0) {
        m_thread = std::thread(&HttpTestServer::Run, this);
    }
}

HttpTestServer::~HttpTestServer() {
    m_bStop = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
    for (int fd : m_silent) {
        ::close(fd);
    }
    if (m_listen >= 0) {
        ::close(m_listen);
    }
}

std::string HttpTestServer::Url(const std::string& target) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + target;
}

std::vector<std::string> HttpTestServer::Requests() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_requests;
}

std::string HttpTestServer::EchoBody(const std::string& request) {
    const size_t target = request.find(' ', request.find(' ') + 1);
    return request.substr(0, target) + " " + request.substr(request.find("\r\n\r\n") + 4);
}

void HttpTestServer::Run() {
    while (!m_bStop) {
        pollfd pfd = {m_listen, POLLIN, 0};
        if (::poll(&pfd, 1, 20) <= 0) {
            continue;
        }
        const int fd = ::accept(m_listen, nullptr, nullptr);
        if (fd < 0) {
            continue;
        }
        if (m_mode == Silent) {
            m_silent.push_back(fd);
            continue;
        }
        Serve(fd);
        ::close(fd);
    }
}

void HttpTestServer::Serve(int fd) {
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    std::string text;
    size_t length = 0;
    while (!m_bStop && (length = RequestLength(text)) == 0) {
        if (Clock::now() >= deadline) {
            return;
        }
        pollfd pfd = {fd, POLLIN, 0};
        if (::poll(&pfd, 1, 20) <= 0) {
            continue;
        }
        char buf[4096];
        const ssize_t n = ::recv(fd, buf, sizeof(buf), 0);
        if (n <= 0) {
            return;
        }
        text.append(buf, static_cast<size_t>(n));
    }
    if (length == 0) {
        return;
    }
    text.resize(length);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_requests.push_back(text);
    }
    const std::string body = EchoBody(text);
    const std::string answer = "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
                               "\r\nX-Test: yes\r\nConnection: close\r\n\r\n" + body;
    if (m_mode == Echo) {
        SendAll(fd, answer);
        return;
    }
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof(one));
    const size_t head = answer.size() - body.size();
    const size_t half = head + body.size() / 2;
    SendAll(fd, answer.substr(0, head));
    ::poll(nullptr, 0, 200);
    SendAll(fd, answer.substr(head, half - head));
    ::poll(nullptr, 0, 200);
    SendAll(fd, answer.substr(half));
}

tuint16 ClosedPort() {
    tuint16 port = 0;
    const int fd = Listener(port);
    if (fd >= 0) {
        ::close(fd);
    }
    return port;
}

} // namespace nettest
