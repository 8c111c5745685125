#pragma once
// Test helpers for the network library: a scriptable loopback peer, a recording net
// unit, and a pump that ticks a reactor until a condition holds.

#include "net_unit.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace nettest {

// A TCP peer on 127.0.0.1 driven from the test's own thread: it listens on a free
// port, accepts one connection (with TCP_NODELAY, so that pieces leave as sent), sends
// given bytes (whole, or in pieces between which the test pumps the client), records
// what arrives, and closes normally (FIN), with a reset (RST), or stays silent and never
// reads. Every wait is bounded.
class LoopbackPeer {
public:
    LoopbackPeer();
    ~LoopbackPeer();
    LoopbackPeer(const LoopbackPeer&) = delete;
    LoopbackPeer& operator=(const LoopbackPeer&) = delete;

    tuint16 Port() const { return m_port; }
    // Shrinks the receive buffer of connections accepted from now on (for a peer that
    // never reads: the client's kernel buffers then fill sooner).
    void SetReceiveBuffer(int bytes);
    // Waits (bounded) for one connection; true when accepted.
    bool Accept(int timeoutMs = 10000);
    bool Connected() const { return m_conn >= 0; }
    // Sends all bytes (bounded wait). For small writes: the client is not ticked meanwhile.
    bool Send(const std::string& bytes);
    // Sends what the socket takes now, without waiting; returns the count taken.
    size_t SendSome(const std::string& bytes, size_t from);
    // Reads what is waiting, without blocking, into Received(); false once the client
    // has closed (EOF or error).
    bool ReadAvailable();
    const std::string& Received() const { return m_received; }
    bool SawEof() const { return m_bEof; }
    // Normal close (FIN).
    void Close();
    // Close with SO_LINGER 0: the client sees a reset.
    void Reset();

private:
    int m_listen;
    int m_conn;
    tuint16 m_port;
    int m_rcvBuf;
    std::string m_received;
    bool m_bEof;
};

// The local port of the last listener that unit's server() opened; 0 when none.
tuint16 ListenerPort(const std::vector<NSNet::INetIo*>& listeners);

// Ticks `agent` until `done` holds or `timeoutMs` passes; true when it held.
bool PumpUntil(NSNet::INetIoAgent& agent, const std::function<bool()>& done, int timeoutMs = 10000);

// A net unit that owns its reactor and records every call-back as text:
// "add <id>", "delete <id>", "abort <id> 0x<reason>", "frame <id> <protocolId> <size>".
class RecordingUnit : public NSNet::INetIoAgent, public NSNet::INetUnit {
public:
    typedef std::function<tuint32(NSNet::SessionId, const std::string& frame, tuint32 protocolId)> FrameHook;

    RecordingUnit();
    ~RecordingUnit() override;

    using NSNet::INetUnit::process;

    int onAddSession(NSNet::SessionId sessionId) override;
    int onDeleteSession(NSNet::SessionId sessionId) override;
    std::string identification() const override { return "RecordingUnit"; }
    tuint32 process(NSNet::SessionId sessionId, const NSNet::BuffType* frame, tuint32 protocolId,
                    tuint32 frameSize) override;
    int onAbortSession(NSNet::SessionId sessionId, int reason) override;

    // Connects to 127.0.0.1:port with an otherwise cleared description.
    bool Connect(tuint16 port, NSNet::SessionId& sid, tuint32 buffsize = 0);
    // Listens on 127.0.0.1 at a port the system picks; that port, 0 when not listening.
    tuint16 Listen();

    std::vector<std::string> events;
    std::vector<std::string> frames; // whole frames, header included
    FrameHook onFrame;               // optional: decides process's result
};

// The bytes of a frame: 4-byte big-endian length (header included), 2-byte packet id, body.
std::string Frame(tuint32 protocolId, const std::string& body);
// Bytes written out as hex pairs separated by spaces, for readable failures.
std::string Hex(const std::string& bytes);

} // namespace nettest
