#include "net_io.h"

#include <cerrno>
#include <cstdio>
#include <poll.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace NSNet {

static_assert(static_cast<int>(INetIo::enEventType_Read) == static_cast<int>(EPOLLIN), "Read is EPOLLIN");
static_assert(static_cast<int>(INetIo::enEventType_Write) == static_cast<int>(EPOLLOUT), "Write is EPOLLOUT");
static_assert(static_cast<int>(INetIo::enEventType_Error) == static_cast<int>(EPOLLERR), "Error is EPOLLERR");

INetIo::INetIo()
    : m_fd(-1), m_event(0), m_newEvent(0), m_status(enInitial), m_sessionIdGenerator(0) {}

INetIo::INetIo(SOCKET fd)
    : m_fd(fd), m_event(0), m_newEvent(0), m_status(enInitial), m_sessionIdGenerator(0) {}

INetIo::~INetIo() {
    // -1 is the descriptor of an io that has none (the reactor): nothing to close.
    if (m_fd >= 0 && ::close(m_fd) != 0) {
        std::printf("close socket error. error id = %d", errno);
    }
}

int INetIo::pollIn() { return 0; }
int INetIo::pollOut() { return 0; }
int INetIo::pollError() { return 0; }
bool INetIo::pollClose() { return false; }

int INetIo::close() {
    m_newEvent |= enEventType_Close;
    if (m_status != enClose) {
        m_status = enClose;
    }
    return 0;
}

int INetIo::poll() { return 0; }
INetIo* INetIo::pop(SOCKET) { return nullptr; }
INetIo* INetIo::registerEvent(INetIo*, bool, bool) { return nullptr; }

SessionId INetIo::nextSessionId() {
    ++m_sessionIdGenerator;
    if (m_sessionIdGenerator == 0) {
        // After 2^32 - 1 ids: 0 stays "no session".
        ++m_sessionIdGenerator;
    }
    return m_sessionIdGenerator;
}

bool isConnected(SOCKET fd) {
    // poll, not select: an fd_set cannot hold descriptors of FD_SETSIZE and above.
    pollfd pfd;
    pfd.fd = fd;
    pfd.events = POLLOUT;
    pfd.revents = 0;
    if (::poll(&pfd, 1, 0) != 1 || (pfd.revents & POLLOUT) == 0) {
        return false;
    }
    int nError = 0;
    socklen_t len = sizeof(nError);
    return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &nError, &len) == 0 && nError == 0;
}

} // namespace NSNet
