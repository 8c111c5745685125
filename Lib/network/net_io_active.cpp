#include "net_io_active.h"

#include "LogDefine.h"
#include "net_session.h"
#include "net_socket_option.h"
#include "net_stream_io.h"

#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace NSNet {

namespace {

const int s_nDefaultSocketBuffer = 87380;
const int s_nDefaultBacklog = 128;

} // namespace

bool CActiveIo::loadSocketInfo(SocketInfo& out, INetSession&, const SocketInfo* in) {
    if (in != nullptr) {
        out = *in;
    } else {
        out.clear();
    }
    if (out.type == -1) {
        out.type = SocketType_TCP;
    }
    if (out.sendBuffer == -1) {
        out.sendBuffer = s_nDefaultSocketBuffer;
    }
    if (out.recvBuffer == -1) {
        out.recvBuffer = s_nDefaultSocketBuffer;
    }
    if (out.backlog == -1) {
        out.backlog = s_nDefaultBacklog;
    }
    return true;
}

bool CActiveIo::connect_ex(SOCKET fd, const sockaddr* addr, tuint32 length) {
    if (::connect(fd, addr, static_cast<socklen_t>(length)) != 0) {
        CacheLog(gSNetLogSink, "[CActiveIo::connect_ex] error:%d...", errno);
        return false;
    }
    return true;
}

INetIo* CActiveIo::open(INetSession& prototype, const SocketInfo* info, INetIo* reactor) {
    if (info == nullptr || reactor == nullptr) {
        return nullptr;
    }
    SocketInfo si;
    loadSocketInfo(si, prototype, info);
    if (si.type != SocketType_TCP) {
        return nullptr;
    }
    // Text that cannot be read is refused: it must not become 0.0.0.0 and connect there.
    tuint32 addrNetOrder = 0;
    if (!parseIPv4Address(si.address, addrNetOrder)) {
        CacheLog(gSNetLogSink, "[CActiveIo::open] error address:%s...", si.address.c_str());
        return nullptr;
    }
    const SOCKET fd = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (fd == -1) {
        return nullptr;
    }
    sockaddr_in peer;
    std::memset(&peer, 0, sizeof(peer));
    peer.sin_family = AF_INET;
    peer.sin_port = htons(si.port);
    peer.sin_addr.s_addr = addrNetOrder;

    // The switches are tested against 0, so "not set" (-1) switches them on.
    bool bOk = true;
    if (bOk && si.reuseAddress != 0) {
        bOk = setSocketReuseAddr(fd);
    }
    if (bOk && si.keepAlive != 0) {
        bOk = setSocketKeepAlive(fd);
    }
    if (bOk && si.noDelay != 0) {
        bOk = setSocketNoDelay(fd, 1);
    }
    if (bOk && si.sendBuffer != -1) {
        bOk = setSocketSendBuffer(fd, si.sendBuffer);
    }
    if (bOk && si.recvBuffer != -1) {
        bOk = setSocketRecvBuffer(fd, si.recvBuffer);
    }
    if (bOk) {
        bOk = connect_ex(fd, reinterpret_cast<const sockaddr*>(&peer), sizeof(peer));
    }
    if (bOk) {
        bOk = setSocketNonBlock(fd);
    }
    if (!bOk) {
        ::close(fd);
        return nullptr;
    }

    INetSession* session = prototype.clone();
    CStreamIo* io = new CStreamIo(fd, session);
    INetIo* registered = reactor->registerEvent(io, true, true);
    if (registered == nullptr) {
        // Refused before the session was opened: release it without call-backs.
        session->clearNetUnit();
        delete io;
    }
    return registered;
}

} // namespace NSNet
