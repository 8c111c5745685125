#pragma once
// A connected TCP socket carrying one session.

#include "net_io.h"

namespace NSNet {

class INetSession;

// Moves bytes between its non-blocking socket and its session's two buffers, at most
// POLL_IN_BUFF / POLL_OUT_BUFF bytes per system call. Owns the session: deleting the
// io tells the session (onClose), offers the queued bytes to the socket once more,
// deletes the session and closes the socket. Used by its reactor's thread only.
class CStreamIo : public INetIo {
public:
    enum { POLL_IN_BUFF = 1460, POLL_OUT_BUFF = 1460 };

    // Takes the session and points its m_netIo at this io.
    CStreamIo(SOCKET fd, INetSession* session);
    ~CStreamIo() override;

    // Reads until the kernel has nothing more (or the input buffer is full), handing
    // each chunk to the session's onRecv.
    int pollIn() override;
    // Sends from the output buffer until it is empty or the socket takes nothing more.
    int pollOut() override;
    // Connection check: opens the session when the socket has an address; 1 when not.
    int pollError() override;
    bool pollClose() override;

    INetSession* getSession() const { return m_session; }

private:
    // After a failed recv or send: true to try again (EINTR); else false, and unless
    // the socket only had nothing more to give or take (EAGAIN), closes the session
    // with closeBase | errno.
    bool retryAfterError(int closeBase);

    INetSession* m_session;
};

} // namespace NSNet
