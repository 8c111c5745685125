#pragma once
// Base of every pollable object of the network library.

#include "net_def.h"

namespace NSNet {

// A descriptor with the event bits that the reactor loads for it. An io is created by
// its opener, registered with a reactor (pending), loaded at the reactor's next poll,
// marked closed by close() (which never frees anything, so an io may close itself from
// its own call-backs) and deleted by the reactor afterwards. The reactor owns the ios
// registered with it; the io owns its descriptor (-1: none) and closes it when deleted.
// Used by the thread that polls its reactor only.
class INetIo {
public:
    enum enEventType {
        enEventType_None = 0,
        enEventType_Read = 1,   // EPOLLIN
        enEventType_Write = 4,  // EPOLLOUT
        enEventType_Error = 8,  // EPOLLERR
        enEventType_Close = 134217728, // bit 27: marked closed, never loaded into epoll
    };
    enum enStatus { enInitial = 0, enClose = 1 };

    // Descriptor-less io: only the session-id counter is used (the reactor).
    INetIo();
    explicit INetIo(SOCKET fd);
    virtual ~INetIo();
    INetIo(const INetIo&) = delete;
    INetIo& operator=(const INetIo&) = delete;

    virtual int pollIn();
    virtual int pollOut();
    // Registration check: non-zero refuses the registration.
    virtual int pollError();
    // Asked after every event and at the end of every poll: true deletes the io.
    virtual bool pollClose();
    // Marks the io closed; the reactor deletes it later.
    virtual int close();
    // One reactor turn.
    virtual int poll();
    // Takes an io out of the reactor without deleting it; the caller owns it then.
    virtual INetIo* pop(SOCKET fd);
    // Registers io for the next poll; the reactor owns it from then on. Null: refused.
    virtual INetIo* registerEvent(INetIo* io, bool in, bool out);

    // Ids from 1 upward; 0 is skipped when the counter wraps.
    SessionId nextSessionId();
    SessionId curSessionId() const { return m_sessionIdGenerator; }

    SOCKET getSocket() const { return m_fd; }
    int getStatus() const { return m_status; }

protected:
    friend class CEpollIo;

    SOCKET m_fd;
    int m_event;    // enEventType bits loaded into epoll
    int m_newEvent; // bits requested and not yet loaded; also takes the Close bit
    int m_status;   // enStatus
    SessionId m_sessionIdGenerator; // last id handed out (the reactor's copy is used)
};

// True when fd is writable at once and carries no pending socket error.
bool isConnected(SOCKET fd);

} // namespace NSNet
