#include "net_io_passive.h"

#include "Assertx.h"
#include "LogDefine.h"
#include "net_io_active.h"
#include "net_session.h"
#include "net_socket_option.h"
#include "net_stream_io.h"

#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace NSNet {

CPassiveIo::CPassiveIo(SOCKET fd, const INetSession& prototype, SocketType type, INetIo* netIo)
    : INetIo(fd), m_session(prototype.clone()), m_type(type), m_netIo(netIo) {}

CPassiveIo::~CPassiveIo() {
    if (m_session != nullptr) {
        m_session->destroy();
        m_session = nullptr;
    }
}

bool CPassiveIo::loadSocketInfo(SocketInfo& out, INetSession& session, const SocketInfo* in) {
    return CActiveIo::loadSocketInfo(out, session, in);
}

INetIo* CPassiveIo::open(INetSession& prototype, const SocketInfo* info, INetIo* reactor) {
    if (info == nullptr || reactor == nullptr) {
        return nullptr;
    }
    SocketInfo si;
    loadSocketInfo(si, prototype, info);
    if (si.type != SocketType_TCP && si.type != SocketType_HTTP) {
        return nullptr;
    }
    // An empty address listens on every address; other text must read as an IPv4
    // address: text that cannot be read is refused, not taken for "any address".
    tuint32 addrNetOrder = htonl(INADDR_ANY);
    if (!si.address.empty() && !parseIPv4Address(si.address, addrNetOrder)) {
        CacheLog(gSNetLogSink, "[CPassiveIo::open] error address:%s...", si.address.c_str());
        return nullptr;
    }
    const SOCKET fd = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (fd == -1) {
        return nullptr;
    }
    sockaddr_in local;
    std::memset(&local, 0, sizeof(local));
    local.sin_family = AF_INET;
    local.sin_port = htons(si.port);
    local.sin_addr.s_addr = addrNetOrder;

    bool bOk = true;
    if (bOk && si.reuseAddress != -1) {
        bOk = setSocketReuseAddr(fd);
    }
    if (bOk && si.keepAlive != -1) {
        bOk = setSocketKeepAlive(fd);
    }
    if (bOk && si.noDelay != -1) {
        bOk = setSocketNoDelay(fd, 1);
    }
    if (bOk && si.nonBlock != -1) {
        bOk = setSocketNonBlock(fd);
    }
    if (bOk && si.sendBuffer != -1) {
        bOk = setSocketSendBuffer(fd, si.sendBuffer);
    }
    if (bOk && si.recvBuffer != -1) {
        bOk = setSocketRecvBuffer(fd, si.recvBuffer);
    }
    if (!bOk) {
        ::close(fd);
        return nullptr;
    }
    // The socket is closed before the report throws, so a failed start leaks nothing.
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof(local)) != 0) {
        ::close(fd);
        _do_assert_(__FILE__, __LINE__, __PRETTY_FUNCTION__, "false", "bind port failed", true);
        return nullptr;
    }
    if (::listen(fd, si.backlog) != 0) {
        ::close(fd);
        _do_assert_(__FILE__, __LINE__, __PRETTY_FUNCTION__, "false", "listen failed", true);
        return nullptr;
    }
    CPassiveIo* io = new CPassiveIo(fd, prototype, SocketType_TCP, reactor);
    INetIo* registered = reactor->registerEvent(io, true, false);
    if (registered == nullptr) {
        delete io;
    }
    return registered;
}

bool CPassiveIo::pollClose() { return m_status == enClose; }

int CPassiveIo::close() {
    // Its unit may be gone by the time the reactor deletes the listener.
    if (m_session != nullptr) {
        m_session->clearNetUnit();
    }
    return INetIo::close();
}

int CPassiveIo::pollIn() {
    if (m_status == enClose || (m_type != SocketType_TCP && m_type != SocketType_HTTP)) {
        return 0;
    }
    const SOCKET fd = ::accept(m_fd, nullptr, nullptr);
    if (fd == -1) {
        return -1;
    }
    if (!socketDefaultInit(fd)) {
        ::close(fd); // nobody else holds it
        return -2;
    }
    INetSession* session = m_session->clone();
    CStreamIo* io = new CStreamIo(fd, session);
    if (m_netIo->registerEvent(io, true, true) == nullptr) {
        session->clearNetUnit();
        delete io;
    }
    return 0;
}

} // namespace NSNet
