#include "net_unit.h"

#include "LogDefine.h"
#include "net_io_active.h"
#include "net_io_epoll.h"
#include "net_io_passive.h"
#include "net_session.h"
#include "net_stream_io.h"

#include <climits>
#include <cstdlib>
#include <new>

namespace NSNet {

namespace {

// The frame size of a message (body plus header) into frameSize: 0, or -12 when the
// body is beyond what protobuf serialises. Also caches the sizes for writeFrame.
int frameSizeOf(const google::protobuf::Message& protocol, tuint32& frameSize) {
    const size_t bodySize = protocol.ByteSizeLong();
    if (bodySize > static_cast<size_t>(INT_MAX) - CProtocolSession::Frame_Header_Size) {
        return -12;
    }
    frameSize = static_cast<tuint32>(bodySize) + CProtocolSession::Frame_Header_Size;
    return 0;
}

// Writes the whole frame (frameSize bytes from frameSizeOf) at p: the big-endian total
// length, the big-endian packet id, then the body. Required fields are not tested (as
// SerializePartialToArray). false when the body did not come out at the computed size.
bool writeFrame(BuffType* p, tuint32 frameSize, const google::protobuf::Message& protocol, tuint16 protocolId) {
    p[0] = static_cast<BuffType>(frameSize >> 24);
    p[1] = static_cast<BuffType>(frameSize >> 16);
    p[2] = static_cast<BuffType>(frameSize >> 8);
    p[3] = static_cast<BuffType>(frameSize);
    p[4] = static_cast<BuffType>(protocolId >> 8);
    p[5] = static_cast<BuffType>(protocolId);
    const BuffType* end = protocol.SerializeWithCachedSizesToArray(p + CProtocolSession::Frame_Header_Size);
    return end == p + frameSize;
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
    // A listener's close also detaches the prototype it clones accepted sessions from.
    for (INetIo* listener : m_vecListener) {
        listener->close();
    }
    m_vecListener.clear();
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
    tuint32 frameSize = 0;
    if (frameSizeOf(protocol, frameSize) != 0) {
        return -12;
    }
    CNetBuffer& out = session->getOutputBuffer();
    if (out.empty()) {
        out.clear(); // the whole block is one free run again: the frame goes in place
    }
    if (out.reserve(frameSize) != 0) {
        return -11;
    }
    const tuint16 id = static_cast<tuint16>(protocolId);
    tuint32 run = 0;
    BuffType* dst = out.tailRun(run);
    if (run >= frameSize) {
        // The usual case: the frame is written in place, behind the queued bytes.
        if (!writeFrame(dst, frameSize, protocol, id)) {
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
    int result = -12;
    if (writeFrame(frame, frameSize, protocol, id)) {
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

int INetUnit::makeBuffer(const google::protobuf::Message& protocol, short protocolId, std::vector<BuffType>& buffer) {
    buffer.clear();
    tuint32 frameSize = 0;
    if (frameSizeOf(protocol, frameSize) != 0) {
        return -12;
    }
    try {
        buffer.resize(frameSize);
    } catch (const std::bad_alloc&) {
        return -11;
    }
    if (!writeFrame(buffer.data(), frameSize, protocol, static_cast<tuint16>(protocolId))) {
        buffer.clear();
        return -12;
    }
    return 0;
}

int INetUnit::send(SessionId sessionId, const std::vector<BuffType>& buffer) {
    if (buffer.size() > static_cast<size_t>(CNetBuffer::Buffer_Max_Capacity)) {
        return getSession(sessionId) == nullptr ? -1 : -11;
    }
    return send(sessionId, buffer.data(), static_cast<tuint32>(buffer.size()));
}

int INetUnit::broadcast(const std::vector<BuffType>& buffer) {
    int count = 0;
    for (auto& kv : m_mapSession) {
        if (send(kv.first, buffer) == 0) {
            ++count;
        }
    }
    return count;
}

std::string INetUnit::getPeerIp(SessionId sessionId) {
    INetSession* session = getSession(sessionId);
    return session != nullptr ? session->getPeerIp() : std::string();
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

bool INetUnit::server(const SocketInfo* netInfo, tuint32 buffsize) {
    if (netInfo == nullptr || m_pINetIo == nullptr || (netInfo->type != -1 && netInfo->type != SocketType_TCP)) {
        return false;
    }
    CProtocolSession prototype(this, buffsize != 0 ? buffsize : static_cast<tuint32>(CNetBuffer::Buffer_Init_Capacity));
    INetIo* listener = CPassiveIo::open(prototype, netInfo, m_pINetIo);
    if (listener == nullptr) {
        return false;
    }
    m_vecListener.push_back(listener);
    return true;
}

bool INetUnit::httpServer(const SocketInfo* netInfo, tuint32 buffsize) {
    if (netInfo == nullptr || m_pINetIo == nullptr || (netInfo->type != -1 && netInfo->type != SocketType_HTTP)) {
        return false;
    }
    SocketInfo info = *netInfo;
    info.type = SocketType_HTTP;
    CHttpSession prototype(this, buffsize != 0 ? buffsize : static_cast<tuint32>(CNetBuffer::Buffer_Init_Capacity));
    INetIo* listener = CPassiveIo::open(prototype, &info, m_pINetIo);
    if (listener == nullptr) {
        return false;
    }
    m_vecListener.push_back(listener);
    return true;
}

INetSession* INetUnit::popSession(SessionId sessionId) {
    auto it = m_mapSession.find(sessionId);
    if (it == m_mapSession.end()) {
        return nullptr;
    }
    INetSession* session = it->second;
    m_mapSession.erase(it);
    session->clearNetUnit();
    return session;
}

int INetUnit::pushSession(INetSession* session) {
    if (session == nullptr || session->getNetIo() == nullptr) {
        return -1;
    }
    session->resetNetUnit(this);
    return addSession(session->getSessionId(), session);
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
