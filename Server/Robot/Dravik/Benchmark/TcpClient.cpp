#include "TcpClient.h"

#include "Assertx.h"

#include "net_buffer.h"
#include "net_session.h"
#include "net_struct.h"

#include <algorithm>

namespace {
const tuint32 NO_SESSION = 0xFFFFFFFF;
}

constexpr std::chrono::milliseconds TcpClient::kRetryDelay;

TcpClient::TcpClient()
    : NSNet::INetIoAgent(), NSNet::INetUnit(NSNet::INetIoAgent::m_pINetIo), m_SessionId(NO_SESSION), m_port(0),
      m_bAttempted(false), m_bDropReported(false), m_nOutputBound(0)
{
}

TcpClient::~TcpClient() {}

bool TcpClient::Connect(const char* ip, tint16 port)
{
    m_host = ip;
    m_port = static_cast<tuint16>(port);
    m_bAttempted = true;
    m_tLastAttempt = std::chrono::steady_clock::now();

    NSNet::SocketInfo info;
    info.address = ip;
    info.port = m_port;
    NSNet::SessionId sid = 0;
    if (client(&info, sid, 0)) {
        OnConnected();
        return true;
    }
    m_SessionId = NO_SESSION;
    return false;
}

void TcpClient::Disconnect()
{
    close(m_SessionId, 0);
    OnDisconnect();
}

bool TcpClient::IsConnected() const
{
    return m_SessionId != NO_SESSION;
}

void TcpClient::Tick()
{
    tick();
}

void TcpClient::CheckNet()
{
    if (IsConnected()) {
        return;
    }
    // An agent that is down, refuses the connect, or ends every connection at once (closes,
    // sends a frame the session refuses) must neither flood the network log and the agent
    // with connections nor keep a core busy.
    if (m_bAttempted && std::chrono::steady_clock::now() - m_tLastAttempt < kRetryDelay) {
        return;
    }
    Connect(m_host.c_str(), static_cast<tint16>(m_port));
}

tint32 TcpClient::TrySend(tint32 protoId, google::protobuf::Message& msg)
{
    return send(m_SessionId, msg, static_cast<short>(protoId));
}

tint32 TcpClient::Send(tint32 protoId, google::protobuf::Message& msg)
{
    const tint32 result = TrySend(protoId, msg);
    if (result == -11) {
        ReportDropped();
    }
    return result;
}

void TcpClient::ReportDropped()
{
    if (m_bDropReported || !IsConnected()) {
        return;
    }
    m_bDropReported = true;
    const std::string text = "agent " + m_host + ":" + std::to_string(m_port) +
                             ": the output buffer is full; requests are dropped while the agent or the link "
                             "does not take the configured load";
    _do_assert_("Server/Robot/Dravik/Benchmark/TcpClient", __LINE__, "void TcpClient::ReportDropped()",
                "the output buffer takes the request", text.c_str(), false);
}

tuint32 TcpClient::OutputRoom()
{
    NSNet::INetSession* pSession = getSession(m_SessionId);
    if (pSession == nullptr) {
        return 0;
    }
    const NSNet::CNetBuffer& out = pSession->getOutputBuffer();
    // The buffer grows up to its bound (a block already larger stays) and always keeps
    // one byte free.
    const tuint64 limit = std::max(out.capacity(), out.maxCapacity());
    const tuint64 used = tuint64(out.size()) + 1;
    return limit > used ? static_cast<tuint32>(limit - used) : 0;
}

int TcpClient::onAddSession(NSNet::SessionId id)
{
    m_SessionId = id;
    m_bDropReported = false;
    NSNet::INetSession* pSession = getSession(id);
    if (m_nOutputBound != 0 && pSession != nullptr) {
        pSession->getOutputBuffer().setMaxCapacity(m_nOutputBound);
    }
    return 0;
}

int TcpClient::onDeleteSession(NSNet::SessionId)
{
    m_SessionId = NO_SESSION;
    return 0;
}

std::string TcpClient::identification() const
{
    return "TcpClient";
}
