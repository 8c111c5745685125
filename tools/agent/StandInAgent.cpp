#include "StandInAgent.h"

#include "AD_PBMessage.pb.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

namespace NSAgent {

namespace {

// Packet ids of the protocol that the agent tells apart.
enum : uint16_t {
    PID_AD_REGIST = 1,
    PID_DA_REGIST = 2,
    PID_AD_GUID_SAVE = 3,
    PID_AD_USERSAVE = 4,
    PID_DA_USERSAVE = 5,
    PID_AD_USERLOAD = 6,
    PID_DA_USERLOAD = 7,
};

constexpr size_t kReadChunk = 256 * 1024;
// Answers not yet taken by the peer above which its requests wait in the kernel: a
// client that stops reading must not make the agent grow without end.
constexpr size_t kMaxPendingOut = 8u * 1024u * 1024u;
// The robot names its characters' accounts with the creation time in seconds appended.
constexpr size_t kTimeDigits = 10;

uint32_t ReadBE32(const char* p)
{
    const unsigned char* u = reinterpret_cast<const unsigned char*>(p);
    return (uint32_t(u[0]) << 24) | (uint32_t(u[1]) << 16) | (uint32_t(u[2]) << 8) | uint32_t(u[3]);
}

uint16_t ReadBE16(const char* p)
{
    const unsigned char* u = reinterpret_cast<const unsigned char*>(p);
    return uint16_t((u[0] << 8) | u[1]);
}

// The SaveType of an AD_USERSAVE body without decoding it: field 1 comes first as the
// robot serialises it (tag 0x08, then a one-byte varint). 0 when it is not there.
int PeekSaveType(const char* pBody, uint32_t nLen)
{
    if (nLen >= 2 && static_cast<unsigned char>(pBody[0]) == 0x08 && (static_cast<unsigned char>(pBody[1]) & 0x80) == 0) {
        return pBody[1];
    }
    return 0;
}

// The account name of a record image (DBBaseUserData): at most 80 bytes from offset 0,
// up to the first NUL.
std::string RecordAccount(const std::string& strBase)
{
    const size_t n = std::min<size_t>(strBase.size(), 80);
    return std::string(strBase.data(), strnlen(strBase.data(), n));
}

// The account without the ten digits of a time at its end; empty when it has none.
std::string AccountWithoutTime(const std::string& strAccount)
{
    if (strAccount.size() <= kTimeDigits ||
        strAccount.find_first_not_of("0123456789", strAccount.size() - kTimeDigits) != std::string::npos) {
        return std::string();
    }
    return strAccount.substr(0, strAccount.size() - kTimeDigits);
}

void SetNonBlocking(int fd)
{
    int flags = fcntl(fd, F_GETFL, 0);
    fcntl(fd, F_SETFL, flags | O_NONBLOCK);
}

} // namespace

bool ParseFault(const std::string& strName, Fault& rFault)
{
    static const struct {
        const char* name;
        Fault fault;
    } s_names[] = {
        {"none", Fault::None},           {"noreply", Fault::NoReply},         {"malformed", Fault::MalformedBody},
        {"empty", Fault::EmptyBody},     {"missingtype", Fault::MissingType}, {"shortserial", Fault::ShortSerial},
        {"firstonly", Fault::FirstOnly},
    };
    for (const auto& n : s_names) {
        if (strName == n.name) {
            rFault = n.fault;
            return true;
        }
    }
    return false;
}

// One accepted connection; I/O thread only.
struct StandInAgent::Conn {
    int fd = -1;
    uint64_t nId = 0;
    int nServerId = -1;
    std::string strIn;   // bytes read, not yet cut into frames
    size_t nInHead = 0;  // start of the unconsumed part of strIn
    std::string strOut;  // replies not yet written
    size_t nOutHead = 0; // start of the unwritten part of strOut

    size_t PendingOut() const { return strOut.size() - nOutHead; }
};

StandInAgent::StandInAgent(const AgentOptions& opts) : m_opts(opts) {}

StandInAgent::~StandInAgent()
{
    Stop();
}

bool StandInAgent::Start(std::string& strError)
{
    in_addr addr{};
    if (inet_pton(AF_INET, m_opts.strHost.c_str(), &addr) != 1) {
        strError = "not an IPv4 address: " + m_opts.strHost;
        return false;
    }
    if ((ntohl(addr.s_addr) >> 24) != 127) {
        strError = "the stand-in agent listens on loopback addresses only (127.x.x.x), not " + m_opts.strHost;
        return false;
    }
    m_nListenFd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_nListenFd < 0) {
        strError = std::string("socket: ") + strerror(errno);
        return false;
    }
    int one = 1;
    setsockopt(m_nListenFd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof(one));
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr = addr;
    sa.sin_port = htons(m_opts.nPort);
    if (bind(m_nListenFd, reinterpret_cast<sockaddr*>(&sa), sizeof(sa)) != 0 || listen(m_nListenFd, 128) != 0) {
        strError = "cannot listen on " + m_opts.strHost + ":" + std::to_string(m_opts.nPort) + ": " + strerror(errno);
        close(m_nListenFd);
        m_nListenFd = -1;
        return false;
    }
    socklen_t len = sizeof(sa);
    getsockname(m_nListenFd, reinterpret_cast<sockaddr*>(&sa), &len);
    m_nPort = ntohs(sa.sin_port);
    SetNonBlocking(m_nListenFd);
    if (pipe2(m_aWake, O_CLOEXEC | O_NONBLOCK) != 0) {
        strError = std::string("pipe: ") + strerror(errno);
        close(m_nListenFd);
        m_nListenFd = -1;
        return false;
    }
    m_bStop = false;
    m_thread = std::thread([this] { RunLoop(); });
    return true;
}

void StandInAgent::Stop()
{
    if (!m_thread.joinable()) {
        return;
    }
    m_bStop = true;
    char c = 's';
    (void)!write(m_aWake[1], &c, 1);
    m_thread.join();
    for (Conn* c2 : m_vecConns) {
        CloseConn(*c2);
        delete c2;
    }
    m_vecConns.clear();
    close(m_nListenFd);
    m_nListenFd = -1;
    close(m_aWake[0]);
    close(m_aWake[1]);
    m_aWake[0] = m_aWake[1] = -1;
    if (m_opts.bPrint) {
        PrintTotals();
    }
}

void StandInAgent::CloseConnections()
{
    m_bCloseRequested = true;
    char c = 'c';
    (void)!write(m_aWake[1], &c, 1);
}

std::map<int, ServerStats> StandInAgent::Stats() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_mapStats;
}

ServerStats StandInAgent::Totals() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ServerStats t;
    for (const auto& kv : m_mapStats) {
        const ServerStats& s = kv.second;
        t.nConnections += s.nConnections;
        if (kv.first < 0) {
            t.nAccepted += s.nAccepted; // every connection is counted there once
        }
        t.nRegist += s.nRegist;
        t.nCreateChar += s.nCreateChar;
        t.nUserSave += s.nUserSave;
        t.nUserLoad += s.nUserLoad;
        t.nGuidSave += s.nGuidSave;
        t.nOther += s.nOther;
        t.nBytes += s.nBytes;
        t.nMalformed += s.nMalformed;
        t.nLoadFound += s.nLoadFound;
    }
    return t;
}

std::vector<RecordedFrame> StandInAgent::Frames() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_vecFrames;
}

size_t StandInAgent::FrameCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_vecFrames.size();
}

bool StandInAgent::WaitUntil(const std::function<bool()>& pred, std::chrono::milliseconds timeout)
{
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!pred()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

void StandInAgent::RunLoop()
{
    auto nextPrint = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    std::vector<pollfd> fds;
    while (!m_bStop) {
        if (m_bCloseRequested.exchange(false)) {
            for (Conn* c : m_vecConns) {
                CloseConn(*c);
                delete c;
            }
            m_vecConns.clear();
        }
        fds.clear();
        fds.push_back({m_aWake[0], POLLIN, 0});
        fds.push_back({m_nListenFd, POLLIN, 0});
        for (Conn* c : m_vecConns) {
            short ev = c->PendingOut() < kMaxPendingOut ? POLLIN : 0;
            if (c->PendingOut() > 0) {
                ev |= POLLOUT;
            }
            fds.push_back({c->fd, ev, 0});
        }
        auto now = std::chrono::steady_clock::now();
        int waitMs = int(std::chrono::duration_cast<std::chrono::milliseconds>(nextPrint - now).count());
        if (waitMs < 0) {
            waitMs = 0;
        }
        int n = poll(fds.data(), fds.size(), waitMs);
        if (n < 0 && errno != EINTR) {
            break;
        }
        if (n > 0) {
            if (fds[0].revents & POLLIN) {
                char buf[64];
                while (read(m_aWake[0], buf, sizeof(buf)) > 0) {
                }
            }
            if (fds[1].revents & POLLIN) {
                Accept();
            }
            // Connections accepted in this turn are not in fds yet.
            std::vector<Conn*> keep;
            keep.reserve(m_vecConns.size());
            for (size_t i = 0; i < m_vecConns.size(); ++i) {
                Conn* c = m_vecConns[i];
                bool ok = true;
                if (i + 2 < fds.size() && fds[i + 2].fd == c->fd) {
                    short re = fds[i + 2].revents;
                    if (re & (POLLIN | POLLERR | POLLHUP)) {
                        ok = ReadFrom(*c);
                    }
                    if (ok && (re & POLLOUT)) {
                        ok = FlushOut(*c);
                    }
                }
                if (ok) {
                    keep.push_back(c);
                } else {
                    CloseConn(*c);
                    delete c;
                }
            }
            m_vecConns.swap(keep);
        }
        if (std::chrono::steady_clock::now() >= nextPrint) {
            if (m_opts.bPrint) {
                PrintSecond();
            }
            nextPrint += std::chrono::seconds(1);
        }
    }
}

void StandInAgent::Accept()
{
    for (;;) {
        int fd = accept4(m_nListenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            return;
        }
        int one = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof(one));
        Conn* c = new Conn;
        c->fd = fd;
        c->nId = m_nNextConn++;
        m_vecConns.push_back(c);
        std::lock_guard<std::mutex> lock(m_mutex);
        ServerStats& s = m_mapStats[-1];
        s.nConnections++;
        s.nAccepted++;
    }
}

bool StandInAgent::ReadFrom(Conn& c)
{
    m_vecRead.resize(kReadChunk);
    for (;;) {
        ssize_t r = recv(c.fd, m_vecRead.data(), kReadChunk, 0);
        if (r > 0) {
            c.strIn.append(m_vecRead.data(), size_t(r));
            if (!CutFrames(c)) {
                return false;
            }
            if (size_t(r) < kReadChunk) {
                return true;
            }
            continue;
        }
        if (r == 0) {
            return false;
        }
        return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
    }
}

bool StandInAgent::CutFrames(Conn& c)
{
    for (;;) {
        size_t avail = c.strIn.size() - c.nInHead;
        if (avail < 6) {
            break;
        }
        const char* p = c.strIn.data() + c.nInHead;
        uint32_t nSize = ReadBE32(p);
        if (nSize < 6 || nSize > kMaxFrame) {
            // The stream cannot be resynchronised after a bad length.
            std::lock_guard<std::mutex> lock(m_mutex);
            m_mapStats[c.nServerId].nMalformed++;
            return false;
        }
        if (avail < nSize) {
            break;
        }
        HandleFrame(c, ReadBE16(p + 4), p, nSize);
        c.nInHead += nSize;
    }
    if (c.nInHead > 0) {
        c.strIn.erase(0, c.nInHead);
        c.nInHead = 0;
    }
    return true;
}

void StandInAgent::HandleFrame(Conn& c, uint16_t nPacketId, const char* pFrame, uint32_t nSize)
{
    const char* pBody = pFrame + 6;
    const int nBody = int(nSize - 6);
    enum { K_REGIST, K_CREATE, K_SAVE, K_LOAD, K_GUIDSAVE, K_OTHER } kind = K_OTHER;
    bool bMalformed = false;
    const bool bDecode = !m_opts.bCounting || m_opts.bAnswer;
    AD_REGIST regist;
    AD_USERSAVE save;
    AD_USERLOAD load;

    switch (nPacketId) {
    case PID_AD_REGIST:
        kind = K_REGIST;
        bMalformed = !regist.ParseFromArray(pBody, nBody);
        break;
    case PID_AD_USERSAVE:
        if (!bDecode) {
            int t = PeekSaveType(pBody, uint32_t(nBody));
            kind = t == 1 ? K_CREATE : (t == 2 ? K_SAVE : K_OTHER);
        } else {
            bMalformed = !save.ParseFromArray(pBody, nBody);
            if (!bMalformed) {
                kind = save.savetype() == 1 ? K_CREATE : (save.savetype() == 2 ? K_SAVE : K_OTHER);
            }
        }
        break;
    case PID_AD_USERLOAD:
        kind = K_LOAD;
        if (bDecode) {
            bMalformed = !load.ParseFromArray(pBody, nBody);
        }
        break;
    case PID_AD_GUID_SAVE:
        kind = K_GUIDSAVE;
        if (!m_opts.bCounting) {
            AD_GUID_SAVE msg;
            bMalformed = !msg.ParseFromArray(pBody, nBody);
        }
        break;
    default:
        break;
    }

    // A registration moves the connection (and its count) to its server.
    if (kind == K_REGIST && !bMalformed && regist.serverid() != c.nServerId) {
        std::lock_guard<std::mutex> lock(m_mutex);
        ServerStats& from = m_mapStats[c.nServerId];
        if (from.nConnections > 0) {
            from.nConnections--;
        }
        c.nServerId = regist.serverid();
        ServerStats& to = m_mapStats[c.nServerId];
        to.nConnections++;
        to.nAccepted++;
    }

    const bool bAnswer = m_opts.bAnswer && !bMalformed;
    const bool bLoadFound = bAnswer && kind == K_LOAD && m_mapSaved.count(load.account()) > 0;

    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ServerStats& s = m_mapStats[c.nServerId];
        s.nBytes += nSize;
        if (bMalformed) {
            s.nMalformed++;
        } else {
            switch (kind) {
            case K_REGIST: s.nRegist++; break;
            case K_CREATE: s.nCreateChar++; break;
            case K_SAVE: s.nUserSave++; break;
            case K_LOAD:
                s.nUserLoad++;
                s.nLoadFound += bLoadFound ? 1 : 0;
                break;
            case K_GUIDSAVE: s.nGuidSave++; break;
            case K_OTHER: s.nOther++; break;
            }
        }
        if (m_opts.bRecord) {
            RecordedFrame f;
            f.nConn = c.nId;
            f.nServerId = c.nServerId;
            f.nPacketId = nPacketId;
            f.nSize = nSize;
            f.tArrival = std::chrono::steady_clock::now();
            if (m_nBodiesKept < m_opts.nRecordBodies) {
                f.bHasBody = true;
                f.strFrame.assign(pFrame, nSize);
                m_nBodiesKept++;
            }
            m_vecFrames.push_back(std::move(f));
        }
    }

    // Counted first: whoever reads an answer finds the request in the counts.
    if (kind == K_REGIST && !bMalformed) {
        AnswerRegist(c, regist);
    } else if (bAnswer && nPacketId == PID_AD_USERSAVE) {
        AnswerSave(c, save);
    } else if (bAnswer && kind == K_LOAD) {
        AnswerLoad(c, load);
    }
}

void StandInAgent::AnswerRegist(Conn& c, const ::AD_REGIST& req)
{
    switch (m_opts.eFault) {
    case Fault::NoReply:
        return;
    case Fault::FirstOnly:
        if (m_bAnsweredOnce) {
            return;
        }
        break;
    case Fault::MalformedBody:
        Queue(c, PID_DA_REGIST, std::string("\xff\xff\xff\xff", 4));
        return;
    case Fault::EmptyBody:
        Queue(c, PID_DA_REGIST, std::string());
        return;
    default:
        break;
    }
    m_bAnsweredOnce = true;

    DA_REGIST rep;
    rep.set_serverid(req.serverid());
    rep.set_taskbegintime(int64_t(time(nullptr)));
    for (int i = 0; i < req.guidtype_size(); ++i) {
        int t = req.guidtype(i);
        if (m_opts.eFault == Fault::MissingType && t == m_opts.nMissingType) {
            continue;
        }
        bool bKnown = t >= 0 && t < 3;
        rep.add_guidtype(t);
        rep.add_serial(bKnown ? m_opts.aSerial[t] : 1);
        rep.add_carry(bKnown ? m_opts.aCarry[t] : 0);
    }
    if (m_opts.eFault == Fault::ShortSerial && rep.serial_size() > 0) {
        rep.mutable_serial()->RemoveLast();
    }
    std::string body;
    rep.SerializeToString(&body);
    Queue(c, PID_DA_REGIST, body);
}

void StandInAgent::AnswerSave(Conn& c, const ::AD_USERSAVE& req)
{
    const std::string strAccount = RecordAccount(req.userdata().ubdata());
    auto saved = std::make_shared<const AD_USER_DATA>(req.userdata());
    m_mapSaved[strAccount] = saved;
    const std::string strBare = AccountWithoutTime(strAccount);
    if (!strBare.empty()) {
        m_mapSaved[strBare] = saved;
    }
    DA_USERSAVE rep;
    rep.set_savetype(req.savetype());
    rep.set_result(0);
    rep.set_account(strAccount);
    Queue(c, PID_DA_USERSAVE, rep.SerializeAsString());
}

void StandInAgent::AnswerLoad(Conn& c, const ::AD_USERLOAD& req)
{
    auto it = m_mapSaved.find(req.account());
    DA_USERLOAD rep;
    rep.set_usertype(req.usertype());
    rep.set_result(it != m_mapSaved.end() ? 0 : 1);
    rep.set_account(req.account());
    if (it != m_mapSaved.end()) {
        *rep.mutable_userdata() = *it->second;
    }
    Queue(c, PID_DA_USERLOAD, rep.SerializeAsString());
}

void StandInAgent::Queue(Conn& c, uint16_t nPacketId, const std::string& strBody)
{
    uint32_t nSize = uint32_t(strBody.size() + 6);
    char hdr[6] = {char(nSize >> 24), char(nSize >> 16), char(nSize >> 8), char(nSize), char(nPacketId >> 8), char(nPacketId)};
    c.strOut.append(hdr, 6);
    c.strOut.append(strBody);
    FlushOut(c);
}

bool StandInAgent::FlushOut(Conn& c)
{
    bool ok = true;
    while (c.PendingOut() > 0) {
        ssize_t w = send(c.fd, c.strOut.data() + c.nOutHead, c.PendingOut(), MSG_NOSIGNAL);
        if (w > 0) {
            c.nOutHead += size_t(w);
            continue;
        }
        ok = w < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR);
        break;
    }
    // Written bytes are dropped in bulk, not on every partial send.
    if (c.nOutHead == c.strOut.size()) {
        c.strOut.clear();
        c.nOutHead = 0;
    } else if (c.nOutHead > c.strOut.size() / 2) {
        c.strOut.erase(0, c.nOutHead);
        c.nOutHead = 0;
    }
    return ok;
}

void StandInAgent::CloseConn(Conn& c)
{
    if (c.fd >= 0) {
        close(c.fd);
        c.fd = -1;
        std::lock_guard<std::mutex> lock(m_mutex);
        ServerStats& s = m_mapStats[c.nServerId];
        if (s.nConnections > 0) {
            s.nConnections--;
        }
    }
}

namespace {

void PrintLine(FILE* out, const char* szWhat, int nServer, const ServerStats& s, uint64_t nConnections)
{
    char szServer[16];
    if (nServer < 0) {
        snprintf(szServer, sizeof(szServer), "-");
    } else {
        snprintf(szServer, sizeof(szServer), "%d", nServer);
    }
    fprintf(out,
            "agent %s server %s: connections %llu, regist %llu, createchar %llu, usersave %llu, userload %llu, "
            "guidsave %llu, other %llu, bytes %llu (%.2f MB), malformed %llu, new connections %llu\n",
            szWhat, szServer, (unsigned long long)nConnections, (unsigned long long)s.nRegist,
            (unsigned long long)s.nCreateChar, (unsigned long long)s.nUserSave, (unsigned long long)s.nUserLoad,
            (unsigned long long)s.nGuidSave, (unsigned long long)s.nOther, (unsigned long long)s.nBytes,
            double(s.nBytes) / 1e6, (unsigned long long)s.nMalformed, (unsigned long long)s.nAccepted);
}

} // namespace

// Per server, what arrived during the last second and the connections open now.
void StandInAgent::PrintSecond()
{
    std::map<int, ServerStats> now = Stats();
    for (const auto& kv : now) {
        const ServerStats& cur = kv.second;
        ServerStats prev = m_mapLastPrinted[kv.first];
        if (kv.first < 0 && cur.nConnections == 0 && cur.Requests() == prev.Requests() && cur.nMalformed == prev.nMalformed) {
            continue; // nothing unregistered to show
        }
        ServerStats d;
        d.nRegist = cur.nRegist - prev.nRegist;
        d.nCreateChar = cur.nCreateChar - prev.nCreateChar;
        d.nUserSave = cur.nUserSave - prev.nUserSave;
        d.nUserLoad = cur.nUserLoad - prev.nUserLoad;
        d.nGuidSave = cur.nGuidSave - prev.nGuidSave;
        d.nOther = cur.nOther - prev.nOther;
        d.nBytes = cur.nBytes - prev.nBytes;
        d.nMalformed = cur.nMalformed - prev.nMalformed;
        d.nAccepted = cur.nAccepted - prev.nAccepted;
        PrintLine(m_opts.pOut, "1s", kv.first, d, cur.nConnections);
    }
    fflush(m_opts.pOut);
    m_mapLastPrinted = now;
}

void StandInAgent::PrintTotals()
{
    for (const auto& kv : Stats()) {
        if (kv.first < 0 && kv.second.Requests() == 0 && kv.second.nMalformed == 0) {
            continue;
        }
        PrintLine(m_opts.pOut, "total", kv.first, kv.second, kv.second.nConnections);
    }
    fflush(m_opts.pOut);
}

} // namespace NSAgent
