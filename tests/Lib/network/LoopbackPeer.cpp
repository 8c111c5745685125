#include "LoopbackPeer.h"

#include "net_io.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace nettest {

namespace {

typedef std::chrono::steady_clock Clock;

int MsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

} // namespace

LoopbackPeer::LoopbackPeer() : m_listen(-1), m_conn(-1), m_port(0), m_rcvBuf(0), m_bEof(false) {
    m_listen = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    if (m_listen < 0) {
        return;
    }
    sockaddr_in addr;
    std::memset(&addr, 0, sizeof(addr));
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    socklen_t len = sizeof(addr);
    if (::bind(m_listen, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0 || ::listen(m_listen, 16) != 0 ||
        ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        ::close(m_listen);
        m_listen = -1;
        return;
    }
    m_port = ntohs(addr.sin_port);
}

LoopbackPeer::~LoopbackPeer() {
    if (m_conn >= 0) {
        ::close(m_conn);
    }
    if (m_listen >= 0) {
        ::close(m_listen);
    }
}

void LoopbackPeer::SetReceiveBuffer(int bytes) {
    m_rcvBuf = bytes;
    // Set on the listener too: an accepted socket inherits it, and the window it
    // announces in the handshake already follows it.
    ::setsockopt(m_listen, SOL_SOCKET, SO_RCVBUF, &bytes, sizeof(bytes));
}

bool LoopbackPeer::Accept(int timeoutMs) {
    if (m_listen < 0) {
        return false;
    }
    if (m_conn >= 0) {
        ::close(m_conn);
        m_conn = -1;
    }
    pollfd pfd = {m_listen, POLLIN, 0};
    if (::poll(&pfd, 1, timeoutMs) != 1) {
        return false;
    }
    m_conn = ::accept4(m_listen, nullptr, nullptr, SOCK_NONBLOCK);
    if (m_conn >= 0 && m_rcvBuf > 0) {
        ::setsockopt(m_conn, SOL_SOCKET, SO_RCVBUF, &m_rcvBuf, sizeof(m_rcvBuf));
    }
    if (m_conn >= 0) {
        // Small pieces leave at once instead of waiting for the client's delayed ACK.
        const int one = 1;
        ::setsockopt(m_conn, IPPROTO_TCP, TCP_NODELAY, &one, sizeof(one));
    }
    m_received.clear();
    m_bEof = false;
    return m_conn >= 0;
}

bool LoopbackPeer::Send(const std::string& bytes) {
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::send(m_conn, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
            pollfd pfd = {m_conn, POLLOUT, 0};
            if (MsLeft(deadline) == 0 || ::poll(&pfd, 1, MsLeft(deadline)) < 0) {
                return false;
            }
            continue;
        }
        return false;
    }
    return true;
}

size_t LoopbackPeer::SendSome(const std::string& bytes, size_t from) {
    size_t done = 0;
    while (from + done < bytes.size()) {
        const ssize_t n = ::send(m_conn, bytes.data() + from + done, bytes.size() - from - done, MSG_NOSIGNAL);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        break;
    }
    return done;
}

bool LoopbackPeer::ReadAvailable() {
    if (m_conn < 0 || m_bEof) {
        return false;
    }
    char buf[65536];
    for (;;) {
        const ssize_t n = ::recv(m_conn, buf, sizeof(buf), 0);
        if (n > 0) {
            m_received.append(buf, static_cast<size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return true;
        }
        m_bEof = true;
        return false;
    }
}

void LoopbackPeer::Close() {
    if (m_conn >= 0) {
        ::close(m_conn);
        m_conn = -1;
    }
}

void LoopbackPeer::Reset() {
    if (m_conn >= 0) {
        linger lg;
        lg.l_onoff = 1;
        lg.l_linger = 0;
        ::setsockopt(m_conn, SOL_SOCKET, SO_LINGER, &lg, sizeof(lg));
        ::close(m_conn);
        m_conn = -1;
    }
}

bool PumpUntil(NSNet::INetIoAgent& agent, const std::function<bool()>& done, int timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        agent.tick();
        if (done()) {
            return true;
        }
        if (Clock::now() >= deadline) {
            return false;
        }
        ::poll(nullptr, 0, 1);
    }
}

RecordingUnit::RecordingUnit() : NSNet::INetIoAgent(), NSNet::INetUnit(NSNet::INetIoAgent::m_pINetIo) {}

RecordingUnit::~RecordingUnit() {}

int RecordingUnit::onAddSession(NSNet::SessionId sessionId) {
    events.push_back("add " + std::to_string(sessionId));
    return 0;
}

int RecordingUnit::onDeleteSession(NSNet::SessionId sessionId) {
    events.push_back("delete " + std::to_string(sessionId));
    return 0;
}

tuint32 RecordingUnit::process(NSNet::SessionId sessionId, const NSNet::BuffType* frame, tuint32 protocolId,
                               tuint32 frameSize) {
    events.push_back("frame " + std::to_string(sessionId) + " " + std::to_string(protocolId) + " " +
                     std::to_string(frameSize));
    const std::string bytes(reinterpret_cast<const char*>(frame), frameSize);
    frames.push_back(bytes);
    return onFrame ? onFrame(sessionId, bytes, protocolId) : 0;
}

int RecordingUnit::onAbortSession(NSNet::SessionId sessionId, int reason) {
    char szReason[32];
    std::snprintf(szReason, sizeof(szReason), "0x%x", static_cast<unsigned>(reason));
    events.push_back("abort " + std::to_string(sessionId) + " " + szReason);
    return 0;
}

bool RecordingUnit::Connect(tuint16 port, NSNet::SessionId& sid, tuint32 buffsize) {
    NSNet::SocketInfo info;
    info.address = "127.0.0.1";
    info.port = port;
    return client(&info, sid, buffsize);
}

tuint16 RecordingUnit::Listen() {
    NSNet::SocketInfo info;
    info.address = "127.0.0.1";
    info.port = 0;
    return server(&info, 0) ? ListenerPort(m_vecListener) : 0;
}

tuint16 ListenerPort(const std::vector<NSNet::INetIo*>& listeners) {
    if (listeners.empty()) {
        return 0;
    }
    sockaddr_in addr;
    socklen_t len = sizeof(addr);
    if (::getsockname(listeners.back()->getSocket(), reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        return 0;
    }
    return ntohs(addr.sin_port);
}

std::string Frame(tuint32 protocolId, const std::string& body) {
    const tuint32 length = static_cast<tuint32>(body.size()) + 6;
    std::string out;
    out.push_back(static_cast<char>(length >> 24));
    out.push_back(static_cast<char>(length >> 16));
    out.push_back(static_cast<char>(length >> 8));
    out.push_back(static_cast<char>(length));
    out.push_back(static_cast<char>(protocolId >> 8));
    out.push_back(static_cast<char>(protocolId));
    return out + body;
}

std::string Hex(const std::string& bytes) {
    std::string out;
    char sz[4];
    for (unsigned char c : bytes) {
        std::snprintf(sz, sizeof(sz), "%02x ", c);
        out += sz;
    }
    if (!out.empty()) {
        out.pop_back();
    }
    return out;
}

} // namespace nettest
