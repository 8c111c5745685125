#include "net_unit.h"

#include "LogDefine.h"
#include "net_io_active.h"
#include "net_io_epoll.h"
#include "net_session.h"
#include "net_stream_io.h"

#include <climits>
#include <cstdlib>

namespace NSNet {

namespace {

void writeFrameHeader(BuffType* p, tuint32 length, tuint16 protocolId) {
    p[0] = static_cast<BuffType>(length >> 24);
    p[1] = static_cast<BuffType>(length >> 16);
    p[2] = static_cast<BuffType>(length >> 8);
    p[3] = static_cast<BuffType>(length);
    p[4] = static_cast<BuffType>(protocolId >> 8);
    p[5] = static_cast<BuffType>(protocolId);
}

} // namespace

// ---- INetUnit -------------------------------------------------------------

INetUnit::INetUnit(INetIo* pNetIo) : m_mapSession(), m_pINetIo(pNetIo) {}

INetUnit::~INetUnit() {
    // The sessions outlive the unit in their ios: cut them loose so that their closing
    // reports to nobody, and let the reactor delete them.
    for (auto& kv : m_mapSession) {
        INetSession* session = kv.second;
        session->clearNetUnit();
        if (session->getNetIo() != nullptr) {
            session->getNetIo()->close();
        }
    }
    m_mapSession.clear();
}

void INetUnit::log(const BuffType*, tuint32) {}
void INetUnit::log(const std::string&) {}
tuint32 INetUnit::process(SessionId, const BuffType*, tuint32, tuint32) { return 0; }
tuint32 INetUnit::process(SessionId, const CHttpRequest&) { return 0; }
int INetUnit::onAbortSession(SessionId, int) { return 0; }

bool INetUnit::client(const SocketInfo* netInfo, SessionId& sid, tuint32 buffsize) {
    sid = 0;
    if (netInfo == nullptr || m_pINetIo == nullptr) {
        return false;
    }
    CProtocolSession prototype(this, buffsize != 0 ? buffsize : static_cast<tuint32>(CNetBuffer::Buffer_Init_Capacity));
    INetIo* io = CActiveIo::open(prototype, netInfo, m_pINetIo);
    if (io == nullptr) {
        return false;
    }
    // The live session drew its id when it was cloned from the prototype.
    sid = static_cast<CStreamIo*>(io)->getSession()->getSessionId();
    return true;
}

int INetUnit::send(SessionId sessionId, const google::protobuf::Message& protocol, short protocolId) {
    INetSession* session = getSession(sessionId);
    if (session == nullptr) {
        return -1;
    }
    const size_t bodySize = protocol.ByteSizeLong(); // also caches the sizes for the write below
    if (bodySize > static_cast<size_t>(INT_MAX) - CProtocolSession::Frame_Header_Size) {
        return -12; // beyond what protobuf serialises
    }
    const tuint32 frameSize = static_cast<tuint32>(bodySize) + CProtocolSession::Frame_Header_Size;
    CNetBuffer& out = session->getOutputBuffer();
    if (out.reserve(frameSize) != 0) {
        return -11;
    }
    const tuint16 id = static_cast<tuint16>(protocolId);

    // Required fields are not tested (as SerializePartialToArray), and the sizes are
    // the ones just computed.
    tuint32 run = 0;
    BuffType* dst = out.tailRun(run);
    if (run >= frameSize) {
        // The usual case: the frame is written in place, behind the queued bytes.
        writeFrameHeader(dst, frameSize, id);
        const BuffType* end = protocol.SerializeWithCachedSizesToArray(dst + CProtocolSession::Frame_Header_Size);
        if (end != dst + frameSize) {
            return -12;
        }
        out.commit(frameSize);
        return 0;
    }
    // The free room wraps round the block's end: build the frame apart, then copy it in.
    BuffType* frame = static_cast<BuffType*>(std::malloc(frameSize));
    if (frame == nullptr) {
        return -11;
    }
    writeFrameHeader(frame, frameSize, id);
    const BuffType* end = protocol.SerializeWithCachedSizesToArray(frame + CProtocolSession::Frame_Header_Size);
    int result = -12;
    if (end == frame + frameSize) {
        result = session->send(frame, frameSize) == 0 ? 0 : -11;
    }
    std::free(frame);
    return result;
}

int INetUnit::send(SessionId sessionId, const BuffType* data, tuint32 size) {
    INetSession* session = getSession(sessionId);
    if (session == nullptr) {
        return -1;
    }
    return session->send(data, size) == 0 ? 0 : -11;
}

int INetUnit::close(SessionId sessionId, int error) {
    INetSession* session = getSession(sessionId);
    if (session == nullptr) {
        return 0;
    }
    session->close(error);
    return -1;
}

INetSession* INetUnit::getSession(SessionId sessionId) {
    auto it = m_mapSession.find(sessionId);
    return it != m_mapSession.end() ? it->second : nullptr;
}

int INetUnit::addSession(SessionId sessionId, INetSession* session) {
    m_mapSession.insert(std::make_pair(sessionId, session));
    onAddSession(sessionId);
    CacheLog(gSNetLogSink, "[ISessionManager::addSession] idfManager:%s, sessionId:%d...",
             identification().c_str(), sessionId);
    return 0;
}

int INetUnit::deleteSession(SessionId sessionId) {
    onDeleteSession(sessionId);
    m_mapSession.erase(sessionId);
    CacheLog(gSNetLogSink, "[ISessionManager::deleteSession] idfManager:%s, sessionId:%d...",
             identification().c_str(), sessionId);
    return 0;
}

SessionId INetUnit::generateSessionId() { return m_pINetIo != nullptr ? m_pINetIo->nextSessionId() : 0; }

// ---- INetIoAgent ----------------------------------------------------------

INetIoAgent::INetIoAgent() : m_pINetIo(new CEpollIo()) {}

INetIoAgent::~INetIoAgent() {
    delete m_pINetIo;
    m_pINetIo = nullptr;
}

void INetIoAgent::tick() { m_pINetIo->poll(); }

} // namespace NSNet
