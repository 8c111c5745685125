#pragma once
// The robot's TCP client: a network-library endpoint that owns its own reactor (through
// INetIoAgent, built first) and holds at most one session (m_SessionId, 0xFFFFFFFF when
// none). It remembers where it connects to, so that CheckNet can connect again.
//
// Threads: no locks. The first Connect runs on the thread that creates the client; every
// later call on the client's one worker thread, which starts after that Connect returned.

#include "BaseType.h"
#include "net_unit.h"

#include <chrono>
#include <string>

namespace google {
namespace protobuf {
class Message;
}
} // namespace google

class TcpClient : public NSNet::INetIoAgent, NSNet::INetUnit {
public:
    TcpClient();
    virtual ~TcpClient();

    // Blocking connect; true when the connection is open.
    bool Connect(const char* ip, tint16 port);
    // Closes the live session and calls OnDisconnect.
    void Disconnect();
    bool IsConnected() const;
    // One turn of the reactor with a zero time-out.
    void Tick();
    // Connects again when not connected. Attempts start at least kRetryDelay apart, however
    // the last connection ended, so a connection that was up for longer is retried at once.
    void CheckNet();
    // Frames msg under protoId into the live session's output buffer; the library's result.
    // A frame refused at the output bound (-11) is a dropped request (see ReportDropped).
    tint32 Send(tint32 protoId, google::protobuf::Message& msg);
    // As Send, but a refusal is no drop: the caller keeps the request and tries again.
    tint32 TrySend(tint32 protoId, google::protobuf::Message& msg);
    // The largest frame the live session's output buffer would still take (its bound less
    // what is queued); 0 without a session. A larger frame is refused by Send, so a caller
    // may skip building it.
    tuint32 OutputRoom();
    // A request dropped because the output buffer is at its bound: the first one of a
    // connection is reported (not thrown on), so that a user learns that the agent or the
    // link does not take the configured load; later ones pass silently.
    void ReportDropped();

    // Bounds the output buffer of the connections opened from now on below the network
    // library's 64 MiB (0 keeps the library's bound): a full buffer with few players.
    void SetOutputBound(tuint32 nBytes) { m_nOutputBound = nBytes; }

    virtual void OnConnected() {}
    virtual void OnDisconnect() {}

    virtual int onAddSession(NSNet::SessionId id) override;
    virtual int onDeleteSession(NSNet::SessionId id) override;
    virtual std::string identification() const override;

    // Smallest time between the starts of two connect attempts.
    static constexpr std::chrono::milliseconds kRetryDelay{1000};

private:
    tuint32 m_SessionId;
    std::string m_host;
    tuint16 m_port;
    bool m_bAttempted; // m_tLastAttempt holds the start of the last Connect
    bool m_bDropReported; // for the live connection
    tuint32 m_nOutputBound; // 0: the library's
    std::chrono::steady_clock::time_point m_tLastAttempt;
};
