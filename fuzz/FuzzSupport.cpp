#include "FuzzSupport.h"

#include "net_io.h"
#include "net_session.h"
#include "net_socket_option.h"
#include "net_stream_io.h"

#include <google/protobuf/stubs/logging.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace fuzz {

void QuietReports()
{
    if (std::getenv("DRAVIK_FUZZ_VERBOSE") != nullptr) {
        return;
    }
    // The protocol library's complaints about bytes that do not parse go to standard error.
    google::protobuf::SetLogHandler(nullptr);
    std::fflush(stdout);
    const int fd = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::dup2(fd, STDOUT_FILENO);
        ::close(fd);
    }
}

void Fail(const char* szFormat, ...)
{
    std::va_list args;
    va_start(args, szFormat);
    std::fputs("fuzz target check failed: ", stderr);
    std::vfprintf(stderr, szFormat, args);
    std::fputc('\n', stderr);
    va_end(args);
    std::abort();
}

PeerUnit::PeerUnit(const char* szName)
    : NSNet::INetIoAgent(), NSNet::INetUnit(NSNet::INetIoAgent::m_pINetIo), m_strName(szName)
{
}

void PeerUnit::Reset()
{
    bDeleted = false;
    bRefused = false;
}

int PeerUnit::onDeleteSession(NSNet::SessionId)
{
    bDeleted = true;
    return 0;
}

void PeerUnit::CheckOpen(NSNet::SessionId sid, const std::string& strWhat)
{
    NSNet::INetSession* pSession = getSession(sid);
    if (pSession == nullptr || pSession->getNetIo() == nullptr ||
        pSession->getNetIo()->getStatus() == NSNet::INetIo::enClose) {
        Fail("%s handed over after its session was closed", strWhat.c_str());
    }
}

SessionPeer::SessionPeer(NSNet::INetIoAgent& agent, const NSNet::INetSession& prototype)
    : m_agent(agent), m_fdPeer(-1)
{
    int fd[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fd) != 0) {
        return;
    }
    if (!NSNet::setSocketNonBlock(fd[0]) || !NSNet::setSocketNonBlock(fd[1])) {
        ::close(fd[0]);
        ::close(fd[1]);
        return;
    }
    NSNet::CStreamIo* io = new NSNet::CStreamIo(fd[0], prototype.clone());
    if (agent.m_pINetIo->registerEvent(io, true, true) != io) {
        delete io;
        ::close(fd[1]);
        return;
    }
    m_fdPeer = fd[1];
}

SessionPeer::~SessionPeer()
{
    if (m_fdPeer >= 0) {
        ::close(m_fdPeer);
    }
}

void SessionPeer::Tick()
{
    m_agent.tick();
}

bool SessionPeer::Write(const void* pData, size_t nSize)
{
    const char* p = static_cast<const char*>(pData);
    // Bounded: a session that stops reading (its input full) must not hang the target.
    for (int nIdle = 0; nSize > 0 && m_fdPeer >= 0 && nIdle < 64;) {
        const ssize_t n = ::send(m_fdPeer, p, nSize, MSG_NOSIGNAL);
        if (n > 0) {
            p += n;
            nSize -= static_cast<size_t>(n);
            nIdle = 0;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            ++nIdle;
        } else {
            return false;   // the session's end is closed
        }
        Tick();
    }
    return nSize == 0;
}

bool SessionPeer::Leave(const std::function<bool()>& bGone)
{
    if (m_fdPeer >= 0) {
        ::close(m_fdPeer);
        m_fdPeer = -1;
    }
    for (int i = 0; i < 1000; ++i) {
        if (bGone()) {
            return true;
        }
        Tick();
    }
    return bGone();
}

} // namespace fuzz
