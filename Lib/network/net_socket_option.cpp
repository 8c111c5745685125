#include "net_socket_option.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace NSNet {

namespace {

const int s_nDefaultSocketBuffer = 87380;

bool setIntOption(SOCKET fd, int level, int name, int value) {
    return ::setsockopt(fd, level, name, &value, sizeof(value)) == 0;
}

bool getIntOption(SOCKET fd, int level, int name, int& value) {
    socklen_t len = sizeof(value);
    return ::getsockopt(fd, level, name, &value, &len) == 0;
}

} // namespace

bool getSocketNoDelay(SOCKET fd, int& value) { return getIntOption(fd, IPPROTO_TCP, TCP_NODELAY, value); }
bool setSocketNoDelay(SOCKET fd, int value) { return setIntOption(fd, IPPROTO_TCP, TCP_NODELAY, value); }
bool getSocketRecvBuffer(SOCKET fd, int& value) { return getIntOption(fd, SOL_SOCKET, SO_RCVBUF, value); }
bool setSocketRecvBuffer(SOCKET fd, int value) { return setIntOption(fd, SOL_SOCKET, SO_RCVBUF, value); }
bool getSocketSendBuffer(SOCKET fd, int& value) { return getIntOption(fd, SOL_SOCKET, SO_SNDBUF, value); }
bool setSocketSendBuffer(SOCKET fd, int value) { return setIntOption(fd, SOL_SOCKET, SO_SNDBUF, value); }

bool setSocketNonBlock(SOCKET fd) {
    const int flags = ::fcntl(fd, F_GETFL, 0);
    if (flags == -1) {
        return false;
    }
    return ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

bool setSocketBlock(SOCKET fd) {
    const int flags = ::fcntl(fd, F_GETFL, 0);
    if (flags == -1) {
        return false;
    }
    return ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

bool setSocketKeepAlive(SOCKET fd) {
    const bool bOk = setIntOption(fd, SOL_SOCKET, SO_KEEPALIVE, 1);
    setIntOption(fd, IPPROTO_TCP, TCP_KEEPIDLE, 15);
    setIntOption(fd, IPPROTO_TCP, TCP_KEEPINTVL, 5);
    setIntOption(fd, IPPROTO_TCP, TCP_KEEPCNT, 3);
    return bOk;
}

bool setSocketReuseAddr(SOCKET fd) { return setIntOption(fd, SOL_SOCKET, SO_REUSEADDR, 1); }

bool setSocketNonLinger(SOCKET fd) {
    linger lg;
    lg.l_onoff = 0;
    lg.l_linger = 0;
    return ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &lg, sizeof(lg)) == 0;
}

bool setSocketBroadcast(SOCKET fd) { return setIntOption(fd, SOL_SOCKET, SO_BROADCAST, 1); }

bool getBytesReadableOnSocket(SOCKET fd, unsigned long& value) {
    int nReadable = 0;
    if (::ioctl(fd, FIONREAD, &nReadable) != 0) {
        return false;
    }
    value = static_cast<unsigned long>(nReadable);
    return true;
}

bool socketDefaultInit(SOCKET fd) {
    return setSocketReuseAddr(fd) && setSocketKeepAlive(fd) && setSocketNoDelay(fd, 1) &&
           setSocketNonBlock(fd) && setSocketSendBuffer(fd, s_nDefaultSocketBuffer) &&
           setSocketRecvBuffer(fd, s_nDefaultSocketBuffer);
}

bool socketClone(SOCKET source, int& target) {
    target = ::dup(source);
    return target != -1;
}

bool parseIPv4Address(const std::string& text, tuint32& addrNetOrder) {
    if (text.find('\0') != std::string::npos) {
        return false; // inet_aton would read only the part before it
    }
    in_addr addr;
    if (::inet_aton(text.c_str(), &addr) == 0) {
        return false;
    }
    addrNetOrder = addr.s_addr;
    return true;
}

} // namespace NSNet
