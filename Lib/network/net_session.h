#pragma once
// Sessions: the byte queues of one connection and the frame reader.

#include "net_buffer.h"
#include "net_def.h"

#include <string>

struct sockaddr;

namespace NSNet {

class INetIo;
class INetUnit;

// Close reasons: a code base in steps of 0x10000, ORed with errno or with the
// application's result. Passed to INetSession::close and on to onAbortSession.
enum {
    enClose_OnRecv = 0x10000,  // the peer closed the connection
    enClose_OnReset = 0x20000, // a receive failed; | errno
    enClose_OnSend = 0x30000,  // a send failed; | errno
    enClose_Active = 0x40000,
    enClose_OnError = 0x50000, // process refused a frame (| its result) or threw
    enClose_Timeout = 0x60000,
    enClose_Expire = 0x70000,
    // The library's own half steps.
    enClose_OnRecvFrame = 0x18000,  // a received frame (or its header) cannot fit in the input buffer
    enClose_OnSendBuffer = 0x38000, // sent bytes could not be dropped from the output buffer
};

// One connection's two byte queues. A live session belongs to the stream io that
// carries it (m_netIo, which deletes it through destroy()); a prototype has no io and
// id 0 and only serves to be cloned. Used by the thread that ticks its reactor only.
class INetSession {
public:
    // Upper bound of the output buffer: a peer that stops reading cannot make the
    // process grow without end; what would pass it is refused whole.
    enum { Output_Buffer_Max_Capacity = 64 * 1024 * 1024 };

    explicit INetSession(INetIo* netIo);
    INetSession(INetIo* netIo, tuint32 buffSize);
    // Same io; empty buffers shaped like the source's; the id is left to the subclass.
    INetSession(const INetSession& other);
    INetSession& operator=(const INetSession&) = delete;
    virtual ~INetSession();

    virtual std::string identification() const = 0;
    // New bytes were appended to the input buffer.
    virtual int onRecv() = 0;
    // Bytes left the output buffer.
    virtual int onSend() = 0;
    // The connection was accepted into the reactor.
    virtual int onOpen() = 0;
    // The carrying io is being destroyed.
    virtual int onClose() = 0;
    virtual int onAbort(const sockaddr& addr) = 0;
    virtual int onAbort(int reason) = 0;
    // A live copy of a prototype.
    virtual INetSession* clone() const = 0;
    virtual void destroy();
    virtual void clearNetUnit();
    virtual void resetNetUnit(INetUnit* unit);

    INetIo* getNetIo() const { return m_netIo; }
    CNetBuffer& getInputBuffer() { return m_inputBuff; }
    CNetBuffer& getOutputBuffer() { return m_outputBuff; }
    SessionId getSessionId() const { return m_sessionId; }
    // The peer's dotted-decimal IPv4 address; empty when there is no connected IPv4 peer.
    std::string getPeerIp() const;

    // onAbort(reason), then marks the io closed (the reactor deletes it later); 0.
    int close(int reason);
    // Queues size bytes for the next output step: 0, or -1 when the output buffer
    // cannot take them (nothing is queued then).
    int send(const BuffType* data, tuint32 size);

protected:
    friend class CStreamIo;

    INetIo* m_netIo; // the carrying stream io; null in a prototype
    CNetBuffer m_inputBuff;
    CNetBuffer m_outputBuff;
    SessionId m_sessionId;
};

// What the protocol and HTTP sessions share: the net unit that receives their events
// and the call-backs that forward to it. m_netUnit is not owned; null once detached
// (then no call-back reaches any unit). The copy draws a new id from the unit, so
// clones of a prototype get ids from the reactor's counter.
class INetUnitSession : public INetSession {
public:
    INetUnitSession(INetUnit* unit, tuint32 buffSize);
    INetUnitSession(const INetUnitSession& other);

    std::string identification() const override;
    int onSend() override;
    int onOpen() override;
    int onClose() override;
    int onAbort(const sockaddr& addr) override;
    int onAbort(int reason) override;
    void clearNetUnit() override;
    void resetNetUnit(INetUnit* unit) override;
    virtual void generateSessionId();

protected:
    INetUnit* m_netUnit;
};

// Session of a net unit: cuts the input into frames (4-byte big-endian total length,
// 2-byte big-endian packet id, body) and hands each to the unit's process.
// The input buffer keeps the size it was made with until a header announces a frame
// longer than it holds: then it grows once, to hold that whole frame in one run, up to
// Input_Buffer_Max_Capacity (a longer frame closes the session with enClose_OnRecvFrame).
// The grown block is given back as soon as the buffer is empty again, so that a
// connection that once received a large frame does not keep its memory.
class CProtocolSession : public INetUnitSession {
public:
    enum { Frame_Header_Size = 6, Input_Buffer_Max_Capacity = Output_Buffer_Max_Capacity };

    explicit CProtocolSession(INetUnit* unit);
    CProtocolSession(INetUnit* unit, tuint32 buffSize);
    CProtocolSession(const CProtocolSession& other) = default;

    int onRecv() override;
    INetSession* clone() const override;

private:
    // Closes the session for a frame it cannot receive, with one network-log line.
    int refuseFrame(const char* szWhy, tuint32 length, tuint32 protocolId);

    tuint32 m_inputCapacity; // the input buffer's size as made; a grown block returns to it
};

// Session of an HTTP listener: reads each complete GET or POST request from the input
// and hands it to the unit's process overload for HTTP; the unit answers through send.
// A malformed request closes the session with enClose_OnError | -(parse result); one
// that cannot fit in the input buffer (which never grows) with enClose_OnRecvFrame.
// Once detached from its unit, requests are consumed and go nowhere.
class CHttpSession : public INetUnitSession {
public:
    explicit CHttpSession(INetUnit* unit);
    CHttpSession(INetUnit* unit, tuint32 buffSize);
    CHttpSession(const CHttpSession& other) = default;

    int onRecv() override;
    INetSession* clone() const override;
};

} // namespace NSNet
