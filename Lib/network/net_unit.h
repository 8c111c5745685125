#pragma once
// Net units (the endpoint an application derives from) and the reactor's owner.

#include "net_def.h"
#include "net_http_data.h"
#include "net_struct.h"

#include <google/protobuf/message.h>
#include <map>
#include <string>
#include <vector>

namespace NSNet {

class INetIo;
class INetSession;

// One endpoint: the map of its open sessions and the call-backs to the application.
// The sessions belong to their stream ios and the listeners opened by server() to the
// reactor; the unit only points at them. The reactor is not owned and must outlive the
// unit. The destructor detaches every session in the map and every listener and marks
// them closed, so no call-back reaches a destroyed unit; the reactor then deletes them
// at its next poll or when it is deleted itself.
// Every operation and call-back runs on the one thread that ticks the reactor (and, for
// the first connect, the thread that made the unit before handing it over).
class INetUnit {
public:
    explicit INetUnit(INetIo* pNetIo);
    virtual ~INetUnit();
    INetUnit(const INetUnit&) = delete;
    INetUnit& operator=(const INetUnit&) = delete;

    // After a session was entered in the map (for a client: inside client()).
    virtual int onAddSession(SessionId sessionId) = 0;
    // When a session is being destroyed, before it leaves the map.
    virtual int onDeleteSession(SessionId sessionId) = 0;
    // The unit's name in the network log lines.
    virtual std::string identification() const = 0;
    // The raw buffered input of an HTTP session, once per receive, before its requests are read.
    virtual void log(const BuffType* data, tuint32 size);
    virtual void log(const std::string& text);
    // Once per complete received frame, in arrival order; frame holds the whole frame,
    // header included, and is valid during the call only. Non-zero closes the session
    // with enClose_OnError | result; a std::exception closes it with enClose_OnError.
    virtual tuint32 process(SessionId sessionId, const BuffType* frame, tuint32 protocolId, tuint32 frameSize);
    // Once per complete HTTP request of an HTTP session (never for "/favicon.ico");
    // non-zero or a std::exception closes the session as for frames.
    virtual tuint32 process(SessionId sessionId, const CHttpRequest& request);
    // When a session is closed with a reason.
    virtual int onAbortSession(SessionId sessionId, int reason);

    // Blocking connect of one protocol session with buffers of buffsize bytes (65536
    // when 0). true: sid holds the new session's id; false: sid is 0, no call-back.
    bool client(const SocketInfo* netInfo, SessionId& sid, tuint32 buffsize);
    // Frames one message onto the session's output buffer; it leaves at the next tick.
    // 0 queued; -1 no such session; -11 no memory (the output buffer is at its bound);
    // -12 the message cannot be serialised. Nothing is queued unless 0.
    int send(SessionId sessionId, const google::protobuf::Message& protocol, short protocolId);
    // Queues raw bytes: 0, -1 no such session, -11 no memory.
    int send(SessionId sessionId, const BuffType* data, tuint32 size);
    // A prepared buffer: one whole frame, built once and queued on any number of sessions.
    // buffer becomes the frame of the message: 0; -11 no memory; -12 cannot serialise.
    int makeBuffer(const google::protobuf::Message& protocol, short protocolId, std::vector<BuffType>& buffer);
    // Queues a prepared buffer: 0, -1 no such session, -11 no memory.
    int send(SessionId sessionId, const std::vector<BuffType>& buffer);
    // Queues a prepared buffer on every session of the unit; the number that took it.
    int broadcast(const std::vector<BuffType>& buffer);
    // The session's peer as dotted-decimal IPv4; empty when there is no such session.
    std::string getPeerIp(SessionId sessionId);
    // Closes the session with the reason error: -1 when it existed, 0 when not. It
    // stays in the map, and send still queues to it, until the next tick removes it.
    int close(SessionId sessionId, int error);
    INetSession* getSession(SessionId sessionId);

    // Listens on netInfo's address and port (type unset or TCP); every accepted
    // connection becomes a protocol session of this unit with buffers of buffsize bytes
    // (65536 when 0). false when no listener was made; a failed bind or listen is an
    // assertion report ("bind port failed", "listen failed") that throws.
    bool server(const SocketInfo* netInfo, tuint32 buffsize);
    // Listens like server() (type unset or HTTP); every accepted connection becomes an
    // HTTP session of this unit, whose complete requests reach process(sid, request).
    bool httpServer(const SocketInfo* netInfo, tuint32 buffsize);
    // Takes a session out of the unit without call-backs: it leaves the map and reports
    // to no unit any more (frames it receives are dropped); its io still owns it and
    // deletes it when it closes. Null when there is no such session.
    INetSession* popSession(SessionId sessionId);
    // REQUIRES: session was popped from a unit on this unit's reactor. It joins this
    // unit under a new id from the reactor, like an opened session (onAddSession and the
    // add-session line): 0, or -1 for a null session or one without an io.
    int pushSession(INetSession* session);

    // Called by the protocol session; both return 0.
    int addSession(SessionId sessionId, INetSession* session);
    int deleteSession(SessionId sessionId);
    SessionId generateSessionId();

    size_t sessionCount() const { return m_mapSession.size(); }

protected:
    std::map<SessionId, INetSession*> m_mapSession;
    INetIo* m_pINetIo;
    std::vector<INetIo*> m_vecListener; // opened by server(); owned by the reactor
};

// Owner of one epoll reactor (created by the constructor, deleted by the destructor).
// An endpoint derives from INetIoAgent first and INetUnit second, giving the unit
// m_pINetIo. Not polymorphic; one thread ticks it.
class INetIoAgent {
public:
    INetIoAgent();
    ~INetIoAgent();
    INetIoAgent(const INetIoAgent&) = delete;
    INetIoAgent& operator=(const INetIoAgent&) = delete;

    // One non-blocking turn: loads new registrations, reads (delivering every complete
    // frame), writes what is queued, and deletes the closed sessions (onDeleteSession).
    void tick();

    INetIo* m_pINetIo;
};

} // namespace NSNet
