#pragma once
// Client-side connect.

#include "net_io.h"
#include "net_struct.h"

struct sockaddr;

namespace NSNet {

class INetSession;

// Used only through its static members; no object of it is made. open runs on the
// thread that owns the reactor it registers with (it blocks while connecting).
class CActiveIo : public INetIo {
public:
    CActiveIo() = delete;
    // No object is made, so these are never called.
    int pollIn() override { return 0; }
    int pollOut() override { return 0; }

    // Blocking TCP connect to info's address and port, then non-blocking; the prototype
    // is cloned into the live session and its stream io registered with reactor for
    // input and output (which opens the session). Null on any failure; only a refused
    // connect or an address that inet_aton cannot read writes a log line.
    static INetIo* open(INetSession& prototype, const SocketInfo* info, INetIo* reactor);
    // out = in with the defaults: type TCP, 87380-byte buffers, backlog 128. Always true.
    static bool loadSocketInfo(SocketInfo& out, INetSession& session, const SocketInfo* in);
    // connect; a failure is logged with errno.
    static bool connect_ex(SOCKET fd, const sockaddr* addr, tuint32 length);
};

} // namespace NSNet
