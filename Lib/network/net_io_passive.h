#pragma once
// Listening socket of a server.

#include "net_io.h"
#include "net_struct.h"

namespace NSNet {

class INetSession;

// Accepts connections into its reactor, one per readiness event, each with a clone of
// its own clone of the server's prototype session. Owns that clone and the listening
// socket. Closing it detaches that clone from its unit and stops accepting; the reactor
// then deletes it. Used by its reactor's thread only.
class CPassiveIo : public INetIo {
public:
    CPassiveIo(SOCKET fd, const INetSession& prototype, SocketType type, INetIo* netIo);
    ~CPassiveIo() override;

    int pollIn() override;
    bool pollClose() override;
    int close() override;

    // Listening TCP socket registered with reactor for input; null on failure (an
    // address that inet_aton cannot read is refused with a log line; an empty one
    // listens on every address). A failed bind or listen is an assertion report
    // ("bind port failed", "listen failed").
    static INetIo* open(INetSession& prototype, const SocketInfo* info, INetIo* reactor);
    static bool loadSocketInfo(SocketInfo& out, INetSession& session, const SocketInfo* in);

private:
    INetSession* m_session;
    SocketType m_type;
    INetIo* m_netIo;
};

} // namespace NSNet
