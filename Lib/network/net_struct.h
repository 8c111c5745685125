#pragma once
// Description of a socket to open, with "not set" (-1) options.

#include "BaseType.h"

#include <string>

namespace NSNet {

enum SocketType {
    SocketType_TCP = 1,
    SocketType_UDP = 2,
    SocketType_HTTP = 3,
};

// A plain value, copied by the openers and owned by its caller; no shared state.
// -1 in an int field means "not set"; the openers replace unset values by their
// defaults (see CActiveIo::loadSocketInfo).
struct _stSocketInfo {
    int type;            // SocketType
    std::string address; // IPv4 address as inet_aton reads it; host names are not resolved
    tuint16 port;        // host order
    int reuseAddress;    // SO_REUSEADDR
    int keepAlive;       // TCP keep-alive
    int noDelay;         // TCP_NODELAY
    int nonBlock;        // non-blocking listening socket
    int sendBuffer;      // SO_SNDBUF in bytes
    int recvBuffer;      // SO_RCVBUF in bytes
    int backlog;         // listen backlog

    _stSocketInfo();
    // type and the seven options -1, the address empty, the port 0xFFFF.
    void clear();
};

typedef _stSocketInfo SocketInfo;

} // namespace NSNet
