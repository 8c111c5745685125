#include "net_stream_io.h"

#include "net_session.h"

#include <algorithm>
#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>

namespace NSNet {

CStreamIo::CStreamIo(SOCKET fd, INetSession* session) : INetIo(fd), m_session(session) {
    if (m_session != nullptr) {
        m_session->m_netIo = this;
    }
}

CStreamIo::~CStreamIo() {
    if (m_session != nullptr) {
        m_session->onClose();
        // The session has left its unit: a failure of the last send reports to nobody.
        m_session->clearNetUnit();
        CStreamIo::pollOut();
        m_session->destroy();
        m_session = nullptr;
    }
}

bool CStreamIo::retryAfterError(int closeBase) {
    const int nError = errno;
    if (nError == EINTR) {
        return true; // a signal is no reason to drop the connection
    }
    if (nError != EAGAIN && nError != EWOULDBLOCK) {
        m_session->close(closeBase | nError);
    }
    return false;
}

int CStreamIo::pollIn() {
    CNetBuffer& in = m_session->getInputBuffer();
    for (;;) {
        if (in.full()) {
            return 0;
        }
        if (in.empty()) {
            in.clear(); // one free run over the whole block: fewer frames wrap
        }
        // Received straight into the ring; the run is at most remain() bytes.
        tuint32 run = 0;
        BuffType* dst = in.tailRun(run);
        const size_t want = std::min<size_t>(run, POLL_IN_BUFF);
        const ssize_t got = ::recv(m_fd, dst, want, 0);
        if (got > 0) {
            in.commit(static_cast<tuint32>(got));
            m_session->onRecv();
            continue;
        }
        if (got == 0) {
            m_session->close(enClose_OnRecv);
            break;
        }
        if (retryAfterError(enClose_OnReset)) {
            continue;
        }
        break;
    }
    return 0;
}

int CStreamIo::pollOut() {
    CNetBuffer& out = m_session->getOutputBuffer();
    while (!out.empty()) {
        // Sent straight from the ring.
        tuint32 run = 0;
        const BuffType* src = out.headRun(run);
        const size_t len = std::min<size_t>(run, POLL_OUT_BUFF);
        const ssize_t sent = ::send(m_fd, src, len, MSG_NOSIGNAL);
        if (sent == 0) {
            break; // nothing taken: try again at the next output event
        }
        if (sent > 0) {
            if (out.skip(static_cast<tuint32>(sent)) != 0) {
                m_session->close(enClose_OnSendBuffer);
                return -1;
            }
            m_session->onSend();
            continue;
        }
        if (retryAfterError(enClose_OnSend)) {
            continue;
        }
        break;
    }
    return 0;
}

int CStreamIo::pollError() {
    sockaddr_storage addr;
    socklen_t len = sizeof(addr);
    bool bHasAddress = ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&addr), &len) == 0;
    if (!bHasAddress) {
        len = sizeof(addr);
        bHasAddress = ::getpeername(m_fd, reinterpret_cast<sockaddr*>(&addr), &len) == 0;
    }
    if (!bHasAddress) {
        return 1;
    }
    m_session->onOpen();
    return 0;
}

bool CStreamIo::pollClose() { return m_status == enClose; }

} // namespace NSNet
