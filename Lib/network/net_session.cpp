#include "net_session.h"

#include "LogDefine.h"
#include "net_http_data.h"
#include "net_io.h"
#include "net_unit.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <netinet/in.h>
#include <sys/socket.h>

namespace NSNet {

namespace {

tuint32 readBigEndian32(const BuffType* p) {
    return (static_cast<tuint32>(p[0]) << 24) | (static_cast<tuint32>(p[1]) << 16) |
           (static_cast<tuint32>(p[2]) << 8) | static_cast<tuint32>(p[3]);
}

tuint32 readBigEndian16(const BuffType* p) {
    return (static_cast<tuint32>(p[0]) << 8) | static_cast<tuint32>(p[1]);
}

} // namespace

// ---- INetSession ----------------------------------------------------------

INetSession::INetSession(INetIo* netIo)
    : INetSession(netIo, CNetBuffer::Buffer_Init_Capacity) {}

INetSession::INetSession(INetIo* netIo, tuint32 buffSize)
    : m_netIo(netIo), m_inputBuff(buffSize), m_outputBuff(buffSize), m_sessionId(0) {
    // The input buffer keeps its size unless a session type says otherwise: an HTTP
    // request announces no length, so growing it would only let a client hold memory.
    m_inputBuff.setMaxCapacity(m_inputBuff.capacity());
    m_outputBuff.setMaxCapacity(Output_Buffer_Max_Capacity);
}

INetSession::INetSession(const INetSession& other)
    : m_netIo(other.m_netIo),
      m_inputBuff(other.m_inputBuff.capacity()),
      m_outputBuff(other.m_outputBuff.capacity()),
      m_sessionId(0) {
    m_inputBuff.setMaxCapacity(other.m_inputBuff.maxCapacity());
    m_outputBuff.setMaxCapacity(other.m_outputBuff.maxCapacity());
}

INetSession::~INetSession() {
    m_inputBuff.clear();
    m_outputBuff.clear();
}

void INetSession::destroy() { delete this; }
void INetSession::clearNetUnit() {}
void INetSession::resetNetUnit(INetUnit*) {}

std::string INetSession::getPeerIp() const {
    if (m_netIo == nullptr) {
        return std::string();
    }
    sockaddr_in peer;
    socklen_t len = sizeof(peer);
    if (::getpeername(m_netIo->getSocket(), reinterpret_cast<sockaddr*>(&peer), &len) != 0 ||
        peer.sin_family != AF_INET) {
        return std::string();
    }
    char szIp[INET_ADDRSTRLEN] = {};
    if (::inet_ntop(AF_INET, &peer.sin_addr, szIp, sizeof(szIp)) == nullptr) {
        return std::string();
    }
    return szIp;
}

int INetSession::close(int reason) {
    onAbort(reason);
    if (m_netIo != nullptr) {
        m_netIo->close();
    }
    return 0;
}

int INetSession::send(const BuffType* data, tuint32 size) {
    if (size > static_cast<tuint32>(CNetBuffer::Buffer_Max_Capacity - 1)) {
        return -1;
    }
    return m_outputBuff.push(data, static_cast<int>(size));
}

// ---- INetUnitSession ------------------------------------------------------

INetUnitSession::INetUnitSession(INetUnit* unit, tuint32 buffSize) : INetSession(nullptr, buffSize), m_netUnit(unit) {}

INetUnitSession::INetUnitSession(const INetUnitSession& other) : INetSession(other), m_netUnit(other.m_netUnit) {
    INetUnitSession::generateSessionId(); // this class's own: no dispatch during construction
}

void INetUnitSession::generateSessionId() {
    if (m_netUnit != nullptr) {
        m_sessionId = m_netUnit->generateSessionId();
    }
}

std::string INetUnitSession::identification() const {
    return m_netUnit != nullptr ? m_netUnit->identification() : std::string();
}

int INetUnitSession::onOpen() {
    if (m_netUnit != nullptr) {
        m_netUnit->addSession(m_sessionId, this);
    }
    return 0;
}

int INetUnitSession::onClose() {
    if (m_netUnit != nullptr) {
        m_netUnit->deleteSession(m_sessionId);
    }
    return 0;
}

int INetUnitSession::onAbort(const sockaddr&) { return onAbort(0); }

int INetUnitSession::onAbort(int reason) {
    if (m_netUnit != nullptr) {
        m_netUnit->onAbortSession(m_sessionId, reason);
    }
    return 0;
}

int INetUnitSession::onSend() { return 0; }

// Without this a session would keep reporting to a unit that is gone.
void INetUnitSession::clearNetUnit() { m_netUnit = nullptr; }

void INetUnitSession::resetNetUnit(INetUnit* unit) {
    m_netUnit = unit;
    generateSessionId();
}

// ---- CProtocolSession -----------------------------------------------------

CProtocolSession::CProtocolSession(INetUnit* unit) : CProtocolSession(unit, CNetBuffer::Buffer_Init_Capacity) {}

CProtocolSession::CProtocolSession(INetUnit* unit, tuint32 buffSize)
    : INetUnitSession(unit, buffSize), m_inputCapacity(m_inputBuff.capacity()) {
    // A frame announces its length, so the input may grow to it (the clones take the bound).
    m_inputBuff.setMaxCapacity(std::max<tuint32>(m_inputBuff.capacity(), Input_Buffer_Max_Capacity));
}

INetSession* CProtocolSession::clone() const { return new CProtocolSession(*this); }

int CProtocolSession::refuseFrame(const char* szWhy, tuint32 length, tuint32 protocolId) {
    // Only reached on an open session (onRecv stops at a closed one): one line per session.
    const CNetBuffer& in = m_inputBuff;
    CacheLog(gSNetLogSink,
             "[CProtocolSession::onRecv] %s...size:%u, limit:%u, sessionId:%u, protocolId:%u, netName:%s", szWhy,
             length, std::max(in.capacity(), in.maxCapacity()) - 1, m_sessionId, protocolId,
             identification().c_str());
    close(enClose_OnRecvFrame);
    return -3;
}

int CProtocolSession::onRecv() {
    CNetBuffer& in = m_inputBuff;
    if (in.empty()) {
        return 0;
    }
    for (;;) {
        // A closed session hands over nothing more (process refused a frame, threw, or the
        // unit closed it), also when the reactor reads more bytes in the same turn.
        if (m_netIo != nullptr && m_netIo->getStatus() == INetIo::enClose) {
            return 0;
        }
        const tuint32 held = in.size();
        if (held < Frame_Header_Size) {
            if (held == 0 && in.capacity() > m_inputCapacity) {
                in.shrink(m_inputCapacity); // the large frame is out: give its block back
            }
            if (!in.full()) {
                return 0;
            }
            // A buffer of fewer than 7 bytes never holds a header: it would stall for ever.
            CacheLog(gSNetLogSink, "[CProtocolSession::onRecv] buffer too small...capacity:%u, sessionId:%u, netName:%s",
                     in.capacity(), m_sessionId, identification().c_str());
            close(enClose_OnRecvFrame);
            return -3;
        }
        BuffType header[Frame_Header_Size];
        tuint32 headerSize = Frame_Header_Size;
        in.peek(header, headerSize);
        const tuint32 length = readBigEndian32(header);
        const tuint32 protocolId = readBigEndian16(header + 4);

        if (length < Frame_Header_Size) {
            if (m_netIo != nullptr) {
                m_netIo->close();
            }
            CacheLog(gSNetLogSink,
                     "[CProtocolSession::onRecv] error...size:%d, sessionId:%d, protocolId:%d, netName:%s",
                     length, m_sessionId, protocolId, identification().c_str());
            return -3;
        }
        if (length > std::max(in.capacity(), in.maxCapacity()) - 1) {
            // It could never complete: without this the connection would stall for ever.
            return refuseFrame("frame too long", length, protocolId);
        }
        // Grown once per frame, when its header arrives; the reads that follow go
        // straight into the new block, and the frame lies in one run from the head.
        if (length > in.capacity() - 1 && in.growFrom(length) != 0) {
            return refuseFrame("no memory for frame", length, protocolId);
        }
        if (held < length) {
            return 0;
        }
        if (m_netUnit == nullptr) {
            // Detached from its unit: nobody takes the frame.
            in.skip(length);
            continue;
        }

        tuint32 run = 0;
        const BuffType* frame = in.headRun(run);
        BuffType* copy = nullptr;
        if (run < length) {
            // The frame wraps round the block's end: hand over a copy in one piece.
            copy = static_cast<BuffType*>(std::malloc(length));
            if (copy == nullptr) {
                return -2;
            }
            tuint32 got = length;
            in.peek(copy, got);
            frame = copy;
        }
        // The head moves first; the bytes stay where they are until the next push into
        // this buffer, which cannot happen before process returns.
        in.skip(length);

        tuint32 result = 0;
        try {
            result = m_netUnit->process(m_sessionId, frame, protocolId, length);
        } catch (const std::exception& e) {
            std::printf("net session exception : %s", e.what());
            std::fflush(stdout);
            std::free(copy);
            close(enClose_OnError);
            return -12;
        } catch (...) {
            std::free(copy);
            throw;
        }
        std::free(copy);
        if (result != 0) {
            close(static_cast<int>(result | enClose_OnError));
            return -11;
        }
    }
}

} // namespace NSNet

// ---- CHttpSession ---------------------------------------------------------

namespace NSNet {

CHttpSession::CHttpSession(INetUnit* unit) : INetUnitSession(unit, CNetBuffer::Buffer_Init_Capacity) {}

CHttpSession::CHttpSession(INetUnit* unit, tuint32 buffSize) : INetUnitSession(unit, buffSize) {}

INetSession* CHttpSession::clone() const { return new CHttpSession(*this); }

int CHttpSession::onRecv() {
    CNetBuffer& in = m_inputBuff;
    // The unit's log sees each receive once, whatever number of requests it holds.
    bool bLogged = false;
    // Every complete request buffered is served: one left waiting behind another would
    // wait for bytes that a client expecting its answer never sends.
    while (!in.empty()) {
        if (m_netIo != nullptr && m_netIo->getStatus() == INetIo::enClose) {
            return 0;
        }
        const tuint32 held = in.size();
        tuint32 run = 0;
        const BuffType* data = in.headRun(run);
        BuffType* copy = nullptr;
        if (run < held) {
            // The input wraps round the block's end: parse a copy in one piece.
            copy = static_cast<BuffType*>(std::malloc(held));
            if (copy == nullptr) {
                return -1;
            }
            tuint32 got = held;
            in.peek(copy, got);
            data = copy;
        }
        if (!bLogged && m_netUnit != nullptr) {
            m_netUnit->log(data, held);
            bLogged = true;
        }
        CHttpRequest request;
        tuint32 size = held;
        const int parsed = request.parse(data, size);
        std::free(copy);
        if (parsed < 0) {
            close(enClose_OnError | -parsed);
            return -11;
        }
        if (parsed > 0) {
            // The input buffer never grows: a request that fills it can never complete.
            if (in.full()) {
                close(enClose_OnRecvFrame);
                return -3;
            }
            return 0;
        }
        in.skip(size);
        if (request.getUrl() == "/favicon.ico" || m_netUnit == nullptr) {
            continue;
        }
        tuint32 result = 0;
        try {
            result = m_netUnit->process(m_sessionId, request);
        } catch (const std::exception& e) {
            std::printf("http session exception : %s", e.what());
            std::fflush(stdout);
            close(enClose_OnError);
            return -22;
        }
        if (result != 0) {
            close(static_cast<int>(result | enClose_OnError));
            return -21;
        }
    }
    return 0;
}

} // namespace NSNet
