#pragma once
// Socket-option helpers; each returns true when its system call returned 0.

#include "net_def.h"

#include <string>

namespace NSNet {

bool getSocketNoDelay(SOCKET fd, int& value);
bool setSocketNoDelay(SOCKET fd, int value);
bool getSocketRecvBuffer(SOCKET fd, int& value);
bool setSocketRecvBuffer(SOCKET fd, int value);
bool getSocketSendBuffer(SOCKET fd, int& value);
bool setSocketSendBuffer(SOCKET fd, int value);
bool setSocketNonBlock(SOCKET fd);
bool setSocketBlock(SOCKET fd);
// SO_KEEPALIVE, then 15 s idle, 5 s between probes, 3 probes; the result is that of
// SO_KEEPALIVE alone.
bool setSocketKeepAlive(SOCKET fd);
bool setSocketReuseAddr(SOCKET fd);
bool setSocketNonLinger(SOCKET fd);
bool setSocketBroadcast(SOCKET fd);
// Bytes waiting to be read (FIONREAD).
bool getBytesReadableOnSocket(SOCKET fd, unsigned long& value);
// Set-up of an accepted socket, stopping at the first failure: reuse, keep-alive,
// no-delay, non-blocking, 87380-byte send and receive buffers.
bool socketDefaultInit(SOCKET fd);
// target = dup(source).
bool socketClone(SOCKET source, int& target);
// An IPv4 address as inet_aton reads it (dotted decimal, and the shorter, octal and
// hexadecimal forms such as "127.1", "010.0.0.1" or "0x7f.0.0.1") into a network-order
// address. false for text it cannot read: host names, empty text, a NUL inside. No
// name is looked up.
bool parseIPv4Address(const std::string& text, tuint32& addrNetOrder);

} // namespace NSNet
