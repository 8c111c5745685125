#include "PacketDef.h"

#include "Assertx.h"

#include <arpa/inet.h>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <new>
#include <sys/ioctl.h>
#include <unistd.h>

static_assert(sizeof(socklen_t) == sizeof(tuint32), "tuint32 lengths are passed as socklen_t");

thread_local tchar Error[256];

const FLString<128> gXorKey("3A7C1E9B2D4F6A8C0B5E7D9F1A3C5E7B");

namespace {

const tuint32 s_uSocketError = static_cast<tuint32>(-1);
const tuint32 s_uWouldBlock = static_cast<tuint32>(SOCKET_ERROR_WOULDBLOCK);

// A negative code carried in an unsigned count.
tuint32 Code(tint32 nCode)
{
    return static_cast<tuint32>(nCode);
}

// The count of send or recv, with EAGAIN told apart from the other failures.
tuint32 CountOf(ssize_t nResult)
{
    if (nResult == -1) {
        return errno == EAGAIN ? s_uWouldBlock : s_uSocketError;
    }
    return static_cast<tuint32>(nResult);
}

struct AcceptErrorText {
    tint32 nErrno;
    const tchar* szText;
};

const AcceptErrorText s_AcceptErrorTexts[] = {
    {EINTR, "EINTR"},
    {EBADF, "EBADF"},
    {EAGAIN, "EWOULDBLOCK"},
    {EFAULT, "EFAULT"},
    {EPROTO, "EPROTO"},
    {ENOTSOCK, "ENOTSOCK"},
    {EOPNOTSUPP, "EOPNOTSUPP"},
    {ECONNABORTED, "ECONNABORTED"},
    {ECONNRESET, "ECONNRESET"},
};

// Body scratch space: on the stack for bodies up to 256 and up to 2048 bytes, on the heap
// above that; zero-filled. Get() is null when the heap block cannot be had.
class PacketScratch {
public:
    explicit PacketScratch(tuint32 uSize) : m_pData(nullptr)
    {
        if (uSize > sizeof(m_szLarge)) {
            m_pHeap.reset(new (std::nothrow) tchar[uSize]());
            m_pData = m_pHeap.get();
        } else if (uSize > sizeof(m_szSmall)) {
            memset(m_szLarge, 0, sizeof(m_szLarge));
            m_pData = m_szLarge;
        } else {
            memset(m_szSmall, 0, sizeof(m_szSmall));
            m_pData = m_szSmall;
        }
    }
    PacketScratch(const PacketScratch&) = delete;
    PacketScratch& operator=(const PacketScratch&) = delete;

    tchar* Get() { return m_pData; }

private:
    tchar m_szSmall[256];
    tchar m_szLarge[2048];
    std::unique_ptr<tchar[]> m_pHeap;
    tchar* m_pData;
};

const tuint32 s_uPacketHeaderSize = 6;

}  // namespace

// ---------------------------------------------------------------------------------------------
// FileAPI

namespace FileAPI {

void close_ex(tint32 fd)
{
    ::close(fd);
}

tint32 fcntl_ex(tint32 fd, tint32 cmd, long arg)
{
    return ::fcntl(fd, cmd, arg);
}

bool getfilenonblocking_ex(tint32 fd)
{
    tint32 nFlags = fcntl_ex(fd, F_GETFL, 0);
    return nFlags != -1 && (nFlags & O_NONBLOCK) != 0;
}

void setfilenonblocking_ex(tint32 fd, bool on)
{
    tint32 nFlags = fcntl_ex(fd, F_GETFL, 0);
    if (nFlags == -1) {
        return;  // not a descriptor: -1 would not be a set of flags to write back
    }
    nFlags = on ? (nFlags | O_NONBLOCK) : (nFlags & ~O_NONBLOCK);
    fcntl_ex(fd, F_SETFL, nFlags);
}

void ioctl_ex(tint32 fd, tint32 request, void* argp)
{
    ::ioctl(fd, static_cast<unsigned long>(request), argp);
}

tuint32 availablefile_ex(tint32 fd)
{
    tint32 nWaiting = 0;
    if (::ioctl(fd, FIONREAD, &nWaiting) == -1 || nWaiting < 0) {
        return 0;
    }
    return static_cast<tuint32>(nWaiting);
}

}  // namespace FileAPI

// ---------------------------------------------------------------------------------------------
// SocketAPI

namespace SocketAPI {

SOCKET socket_ex(tint32 domain, tint32 type, tint32 protocol)
{
    return ::socket(domain, type, protocol);
}

bool bind_ex(SOCKET s, const sockaddr* addr, tuint32 addrlen)
{
    return ::bind(s, addr, addrlen) != -1;
}

bool connect_ex(SOCKET s, const sockaddr* addr, tuint32 addrlen)
{
    return ::connect(s, addr, addrlen) != -1;
}

bool listen_ex(SOCKET s)
{
    return ::listen(s, 128) != -1;
}

SOCKET accept_ex(SOCKET s, sockaddr* addr, tuint32* addrlen)
{
    SOCKET client = ::accept(s, addr, reinterpret_cast<socklen_t*>(addrlen));
    if (client == -1) {
        tint32 nErrno = errno;
        memset(Error, 0, sizeof(Error));
        const tchar* szText = nullptr;
        for (const AcceptErrorText& rText : s_AcceptErrorTexts) {
            if (rText.nErrno == nErrno) {
                szText = rText.szText;
                break;
            }
        }
        if (szText != nullptr) {
            strncpy(Error, szText, sizeof(Error) - 1);  // the last byte stays NUL
        } else {
            snprintf(Error, sizeof(Error), "Error: %d", nErrno);
        }
    }
    return client;
}

bool getsockopt_ex(SOCKET s, tint32 level, tint32 optname, void* optval, tuint32* optlen)
{
    return ::getsockopt(s, level, optname, optval, reinterpret_cast<socklen_t*>(optlen)) != -1;
}

tuint32 getsockopt_ex2(SOCKET s, tint32 level, tint32 optname, void* optval, tuint32* optlen)
{
    if (::getsockopt(s, level, optname, optval, reinterpret_cast<socklen_t*>(optlen)) != -1) {
        return 0;
    }
    switch (errno) {
    case EBADF:
        return 1;
    case ENOTSOCK:
        return 2;
    case ENOPROTOOPT:
        return 3;
    case EFAULT:
        return 4;
    default:
        return 5;
    }
}

bool setsockopt_ex(SOCKET s, tint32 level, tint32 optname, const void* optval, tuint32 optlen)
{
    return ::setsockopt(s, level, optname, optval, optlen) != -1;
}

tuint32 send_ex(SOCKET s, const void* buf, tuint32 len, tuint32 flags)
{
    return CountOf(::send(s, buf, len, static_cast<tint32>(flags)));
}

tuint32 recv_ex(SOCKET s, void* buf, tuint32 len, tuint32 flags)
{
    return CountOf(::recv(s, buf, len, static_cast<tint32>(flags)));
}

bool closesocket_ex(SOCKET s)
{
    FileAPI::close_ex(s);
    return true;
}

bool ioctlsocket_ex(SOCKET, long, unsigned long*)
{
    return true;
}

bool getsocketnonblocking_ex(SOCKET s)
{
    return FileAPI::getfilenonblocking_ex(s);
}

bool setsocketnonblocking_ex(SOCKET s, bool on)
{
    FileAPI::setfilenonblocking_ex(s, on);
    return true;
}

tuint32 availablesocket_ex(SOCKET s)
{
    return FileAPI::availablefile_ex(s);
}

const tchar* getsocketerror_ex()
{
    Error[sizeof(Error) - 1] = '\0';
    return Error;
}

}  // namespace SocketAPI

// ---------------------------------------------------------------------------------------------
// Socket

Socket::Socket() : m_SocketID(-1), m_Port(0)
{
    memset(&m_SockAddr, 0, sizeof(m_SockAddr));
    memset(m_Host, 0, sizeof(m_Host));
}

Socket::~Socket()
{
    close();
}

bool Socket::create()
{
    // A descriptor still held would leak.
    if (isValid()) {
        close();
    }
    m_SocketID = SocketAPI::socket_ex(AF_INET, SOCK_STREAM, 0);
    memset(&m_SockAddr, 0, sizeof(m_SockAddr));
    m_SockAddr.sin_family = AF_INET;
    return isValid();
}

void Socket::close()
{
    if (isValid() && !isSockError()) {
        SocketAPI::closesocket_ex(m_SocketID);
    }
    m_SocketID = -1;
    memset(&m_SockAddr, 0, sizeof(m_SockAddr));
    memset(m_Host, 0, sizeof(m_Host));
    m_Port = 0;
}

bool Socket::connect(const tchar* host, tuint32 port)
{
    if (host == nullptr) {
        return false;
    }
    strncpy(m_Host, host, sizeof(m_Host) - 1);
    m_Host[sizeof(m_Host) - 1] = '\0';
    m_Port = port;
    return connect();
}

bool Socket::connect()
{
    m_SockAddr.sin_family = AF_INET;
    // inet_addr would turn text it cannot read into 255.255.255.255 and connect there.
    if (inet_aton(m_Host, &m_SockAddr.sin_addr) == 0) {
        return false;
    }
    m_SockAddr.sin_port = htons(static_cast<tuint16>(m_Port));
    return SocketAPI::connect_ex(m_SocketID, reinterpret_cast<const sockaddr*>(&m_SockAddr),
                                 sizeof(m_SockAddr));
}

tuint32 Socket::send(const void* buf, tuint32 len, tuint32 flags)
{
    return SocketAPI::send_ex(m_SocketID, buf, len, flags);
}

tuint32 Socket::receive(void* buf, tuint32 len, tuint32 flags)
{
    return SocketAPI::recv_ex(m_SocketID, buf, len, flags);
}

tuint32 Socket::available() const
{
    return SocketAPI::availablesocket_ex(m_SocketID);
}

SOCKET Socket::accept(sockaddr* addr, tuint32* addrlen)
{
    return SocketAPI::accept_ex(m_SocketID, addr, addrlen);
}

bool Socket::bind(tuint32 port)
{
    m_Port = port;
    m_SockAddr.sin_family = AF_INET;
    m_SockAddr.sin_addr.s_addr = htonl(INADDR_ANY);
    m_SockAddr.sin_port = htons(static_cast<tuint16>(port));
    return SocketAPI::bind_ex(m_SocketID, reinterpret_cast<const sockaddr*>(&m_SockAddr),
                              sizeof(m_SockAddr));
}

bool Socket::listen()
{
    return SocketAPI::listen_ex(m_SocketID);
}

bool Socket::setLinger(tuint32 lingertime)
{
    linger ling;
    ling.l_onoff = lingertime != 0 ? 1 : 0;
    ling.l_linger = static_cast<tint32>(lingertime);
    return SocketAPI::setsockopt_ex(m_SocketID, SOL_SOCKET, SO_LINGER, &ling, sizeof(ling));
}

bool Socket::setReuseAddr(bool on)
{
    tint32 nOpt = on ? 1 : 0;
    return SocketAPI::setsockopt_ex(m_SocketID, SOL_SOCKET, SO_REUSEADDR, &nOpt, sizeof(nOpt));
}

bool Socket::setNonBlocking(bool on)
{
    return SocketAPI::setsocketnonblocking_ex(m_SocketID, on);
}

bool Socket::isValid() const
{
    return m_SocketID != -1;
}

SOCKET Socket::getSOCKET() const
{
    return m_SocketID;
}

bool Socket::isSockError() const
{
    tint32 nError = 0;
    tuint32 uLen = sizeof(nError);
    return SocketAPI::getsockopt_ex2(m_SocketID, SOL_SOCKET, SO_ERROR, &nError, &uLen) != 0;
}

bool Socket::getSockError() const
{
    return isSockError();
}

// ---------------------------------------------------------------------------------------------
// ServerSocket

ServerSocket::ServerSocket(tuint32 port) : m_Socket(new (std::nothrow) Socket())
{
    if (m_Socket == nullptr) {
        throw 1;
    }
    if (!m_Socket->create() || !m_Socket->setReuseAddr(true) || !m_Socket->bind(port) ||
        !m_Socket->listen()) {
        // Released before the throw: no destructor runs for a half-built ServerSocket.
        delete m_Socket;
        m_Socket = nullptr;
        throw 1;
    }
}

ServerSocket::~ServerSocket()
{
    if (m_Socket != nullptr) {
        m_Socket->close();
        delete m_Socket;
        m_Socket = nullptr;
    }
}

bool ServerSocket::accept(Socket* socket)
{
    if (socket == nullptr || m_Socket == nullptr) {
        return false;
    }
    socket->close();
    tuint32 uAddrLen = sizeof(SOCKADDR_IN);
    socket->m_SocketID =
        m_Socket->accept(reinterpret_cast<sockaddr*>(&socket->m_SockAddr), &uAddrLen);
    if (socket->m_SocketID == -1) {
        return false;
    }
    socket->m_Port = ntohs(socket->m_SockAddr.sin_port);
    // inet_ntop: the same text as inet_ntoa without its shared static buffer.
    if (inet_ntop(AF_INET, &socket->m_SockAddr.sin_addr, socket->m_Host,
                  sizeof(socket->m_Host)) == nullptr) {
        memset(socket->m_Host, 0, sizeof(socket->m_Host));
    }
    return true;
}

bool ServerSocket::setNonBlocking(bool on)
{
    return m_Socket != nullptr && m_Socket->setNonBlocking(on);
}

SOCKET ServerSocket::getSOCKET() const
{
    return m_Socket != nullptr ? m_Socket->getSOCKET() : -1;
}

// ---------------------------------------------------------------------------------------------
// SocketStreamRing

SocketStreamRing::SocketStreamRing(Socket* sock, tuint32 BufferLen, tuint32 MaxBufferLen)
    : m_pSocket(sock),
      m_Buffer(nullptr),
      // At least one byte: the ring keeps one free, and an empty block would make the free
      // room wrap around to 4 GiB.
      m_BufferLen(BufferLen > 0 ? BufferLen : 1),
      m_MaxBufferLen(MaxBufferLen),
      m_Head(0),
      m_Tail(0)
{
    m_Buffer = new tchar[m_BufferLen]();
}

SocketStreamRing::~SocketStreamRing()
{
    delete[] m_Buffer;
}

tuint32 SocketStreamRing::Length() const
{
    if (m_Head < m_Tail) {
        return m_Tail - m_Head;
    }
    if (m_Tail < m_Head) {
        return m_BufferLen - m_Head + m_Tail;
    }
    return 0;
}

void SocketStreamRing::ResetBlock(tuint32 uSize)
{
    tchar* pFresh = new tchar[uSize]();
    delete[] m_Buffer;
    m_Buffer = pFresh;
    m_BufferLen = uSize;
    m_Head = 0;
    m_Tail = 0;
}

bool SocketStreamRing::Resize(tint32 size)
{
    tint64 nGrow = size;
    tint64 nHalf = m_BufferLen >> 1;
    if (nGrow < nHalf) {
        nGrow = nHalf;
    }
    tint64 nNewLen = static_cast<tint64>(m_BufferLen) + nGrow;
    if (nNewLen > static_cast<tint64>(UINT_MAX)) {
        return false;
    }
    tuint32 uNewLen = static_cast<tuint32>(nNewLen);
    tchar* pNew = new (std::nothrow) tchar[uNewLen]();
    if (pNew == nullptr) {
        return false;
    }
    tuint32 uLen = Length();
    if (m_Head < m_Tail) {
        memcpy(pNew, &m_Buffer[m_Head], m_Tail - m_Head);
    } else if (m_Tail < m_Head) {
        memcpy(pNew, &m_Buffer[m_Head], m_BufferLen - m_Head);
        memcpy(&pNew[m_BufferLen - m_Head], m_Buffer, m_Tail);
    }
    delete[] m_Buffer;
    m_Buffer = pNew;
    m_BufferLen = uNewLen;
    m_Head = 0;
    m_Tail = uLen;
    return true;
}

void SocketStreamRing::updateSocket(Socket* sock)
{
    m_pSocket = sock;
}

tuint32 SocketStreamRing::FreeSize() const
{
    if (m_Tail < m_Head) {
        return m_Head - m_Tail - 1;
    }
    return m_BufferLen - m_Tail + m_Head - 1;
}

// ---------------------------------------------------------------------------------------------
// SocketInputStream

SocketInputStream::SocketInputStream(Socket* sock, tuint32 BufferLen, tuint32 MaxBufferLen)
    : SocketStreamRing(sock, BufferLen, MaxBufferLen)
{
}

void SocketInputStream::Initsize()
{
    ResetBlock(65536);
}

tuint32 SocketInputStream::Read(tchar* buf, tuint32 len)
{
    if (!Peek(buf, len)) {
        return 0;
    }
    m_Head = (m_Head + len) % m_BufferLen;
    return len;
}

bool SocketInputStream::Peek(tchar* buf, tuint32 len) const
{
    if (len == 0 || len > Length()) {
        return false;
    }
    tuint32 uRun = (m_Head < m_Tail ? m_Tail : m_BufferLen) - m_Head;
    tuint32 uFirst = len < uRun ? len : uRun;
    memcpy(buf, &m_Buffer[m_Head], uFirst);
    if (len > uFirst) {
        memcpy(&buf[uFirst], m_Buffer, len - uFirst);
    }
    return true;
}

bool SocketInputStream::Skip(tuint32 len)
{
    if (len == 0 || len > Length()) {
        return false;
    }
    m_Head = (m_Head + len) % m_BufferLen;
    return true;
}

bool SocketInputStream::ReceiveAt(tuint32 uPos, tuint32 uLen, tint32 nErrorCode,
                                  tint32 nClosedCode, tuint32& rReceived, tuint32& rFilled,
                                  tuint32& rResult)
{
    rReceived = m_pSocket->receive(&m_Buffer[uPos], uLen, 0);
    if (rReceived == s_uWouldBlock) {
        // What an earlier receive of this call brought is counted: a caller that reads
        // only after a positive count must not leave it waiting.
        rResult = rFilled;
        return false;
    }
    if (rReceived == s_uSocketError) {
        rResult = Code(nErrorCode);
        return false;
    }
    if (rReceived == 0) {
        rResult = Code(nClosedCode);
        return false;
    }
    rFilled += rReceived;
    return true;
}

bool SocketInputStream::GrowAndReceive(tint32 nLimitCode, tint32 nErrorCode, tint32 nClosedCode,
                                       tuint32& rFilled, tuint32& rResult)
{
    tuint32 uWaiting = m_pSocket->available();
    if (uWaiting == 0) {
        return true;
    }
    if (static_cast<tuint64>(m_MaxBufferLen) <
        static_cast<tuint64>(uWaiting) + m_BufferLen + 1) {
        Initsize();
        rResult = Code(nLimitCode);
        return false;
    }
    if (uWaiting >= static_cast<tuint32>(INT_MAX) || !Resize(static_cast<tint32>(uWaiting + 1))) {
        rResult = rFilled;  // refused: what was read stays counted
        return false;
    }
    tuint32 uReceived = 0;
    if (!ReceiveAt(m_Tail, uWaiting, nErrorCode, nClosedCode, uReceived, rFilled, rResult)) {
        return false;
    }
    m_Tail += uReceived;
    return true;
}

tuint32 SocketInputStream::Fill()
{
    tuint32 uFilled = 0;
    tuint32 uReceived = 0;
    tuint32 uResult = 0;

    if (m_Head <= m_Tail) {
        if (m_Head == 0) {
            // [t, B-1): the last byte stays free.
            tuint32 uFree = m_BufferLen - m_Tail - 1;
            if (uFree != 0) {
                if (!ReceiveAt(m_Tail, uFree, -2, -3, uReceived, uFilled, uResult)) {
                    return uResult;
                }
                m_Tail += uReceived;
            }
            if (uReceived == uFree && !GrowAndReceive(-4, -5, -6, uFilled, uResult)) {
                return uResult;
            }
        } else {
            // [t, B), then [0, h-1).
            tuint32 uFree = m_BufferLen - m_Tail;
            if (!ReceiveAt(m_Tail, uFree, -7, -8, uReceived, uFilled, uResult)) {
                return uResult;
            }
            m_Tail = (m_Tail + uReceived) % m_BufferLen;
            if (uReceived == uFree) {
                uReceived = 0;
                uFree = m_Head - 1;
                if (uFree != 0) {
                    if (!ReceiveAt(0, uFree, -9, -10, uReceived, uFilled, uResult)) {
                        return uResult;
                    }
                    m_Tail += uReceived;
                }
                if (uReceived == uFree && !GrowAndReceive(-11, -12, -13, uFilled, uResult)) {
                    return uResult;
                }
            }
        }
    } else {
        // [t, h-1).
        tuint32 uFree = m_Head - m_Tail - 1;
        if (uFree != 0) {
            if (!ReceiveAt(m_Tail, uFree, -14, -15, uReceived, uFilled, uResult)) {
                return uResult;
            }
            m_Tail += uReceived;
        }
        if (uReceived == uFree && !GrowAndReceive(-16, -17, -18, uFilled, uResult)) {
            return uResult;
        }
    }
    return uFilled;
}

bool SocketInputStream::ReadPacket(const Packet& rPacket, tuint32 nSize, bool bIsCryptoPacket)
{
    // Only a whole frame is taken: consuming a header whose body has not all arrived would
    // leave the stream out of step with its frames.
    if (static_cast<tuint64>(nSize) + s_uPacketHeaderSize > Length() ||
        nSize > static_cast<tuint32>(INT_MAX)) {
        return false;
    }
    PacketScratch scratch(nSize);
    tchar* pBody = scratch.Get();
    if (pBody == nullptr) {
        return false;
    }
    if (!Skip(s_uPacketHeaderSize)) {
        return false;
    }
    if (nSize > 0) {
        Read(pBody, nSize);
    }
    if (bIsCryptoPacket) {
        XorDecryptEx(pBody, nSize);
    }
    return rPacket.m_rPacketData.ParseFromArray(pBody, static_cast<tint32>(nSize));
}

// ---------------------------------------------------------------------------------------------
// SocketOutputStream

SocketOutputStream::SocketOutputStream(Socket* sock, tuint32 BufferLen, tuint32 MaxBufferLen)
    : SocketStreamRing(sock, BufferLen, MaxBufferLen)
{
}

void SocketOutputStream::Initsize()
{
    ResetBlock(16384);
}

bool SocketOutputStream::Reserve(tuint32 len)
{
    tuint32 uFree = FreeSize();
    if (len < uFree) {
        return true;
    }
    // The growth is passed as a tint32: more than that would come out negative and grow too
    // little for the copy that follows.
    tuint64 uGrow = static_cast<tuint64>(len) - uFree + 1;
    if (uGrow > static_cast<tuint64>(INT_MAX)) {
        return false;
    }
    return Resize(static_cast<tint32>(uGrow));
}

tuint32 SocketOutputStream::Write(const tchar* buf, tuint32 len)
{
    if (len == 0) {
        return 0;
    }
    if (!Reserve(len)) {
        return 0;
    }
    tuint32 uToEnd = m_BufferLen - m_Tail;
    if (m_Tail >= m_Head && m_Head != 0 && uToEnd < len) {
        memcpy(&m_Buffer[m_Tail], buf, uToEnd);
        memcpy(m_Buffer, &buf[uToEnd], len - uToEnd);
    } else {
        memcpy(&m_Buffer[m_Tail], buf, len);
    }
    m_Tail = (m_Tail + len) % m_BufferLen;
    return len;
}

bool SocketOutputStream::WritePacket(const Packet& rPacket, bool bIsCryptoPacket)
{
    tuint32 uSize = rPacket.GetPacketSize();
    if (uSize > static_cast<tuint32>(INT_MAX) - s_uPacketHeaderSize) {
        return false;
    }
    PacketScratch scratch(uSize);
    tchar* pBody = scratch.Get();
    if (pBody == nullptr ||
        !rPacket.m_rPacketData.SerializePartialToArray(pBody, static_cast<tint32>(uSize))) {
        return false;
    }
    // A size above the message's would send zero padding that no receiver can parse.
    if (static_cast<tuint32>(rPacket.m_rPacketData.GetCachedSize()) != uSize) {
        return false;
    }
    if (bIsCryptoPacket) {
        XorEncryptEx(pBody, uSize);
    }
    // Room for the whole frame first: a header queued without its body would put every later
    // frame out of step.
    if (!Reserve(uSize + s_uPacketHeaderSize)) {
        return false;
    }
    tuint32 uTotal = uSize + s_uPacketHeaderSize;
    tuint16 uID = rPacket.GetPacketID();
    tchar szHeader[s_uPacketHeaderSize] = {
        static_cast<tchar>(uTotal >> 24), static_cast<tchar>(uTotal >> 16),
        static_cast<tchar>(uTotal >> 8),  static_cast<tchar>(uTotal),
        static_cast<tchar>(uID >> 8),     static_cast<tchar>(uID),
    };
    Write(szHeader, s_uPacketHeaderSize);
    Write(pBody, uSize);
    return true;
}

bool SocketOutputStream::SendRun(tuint32 uEnd, tint32 nErrorCode, tuint32& rFlushed,
                                 tuint32& rResult)
{
    while (m_Head < uEnd) {
        tuint32 uSent = m_pSocket->send(&m_Buffer[m_Head], uEnd - m_Head, MSG_NOSIGNAL);
        if (uSent == s_uWouldBlock || uSent == 0) {
            rResult = 0;
            return false;
        }
        if (uSent == s_uSocketError) {
            rResult = Code(nErrorCode);
            return false;
        }
        m_Head += uSent;
        rFlushed += uSent;
    }
    return true;
}

tuint32 SocketOutputStream::Flush()
{
    if (m_MaxBufferLen < m_BufferLen) {
        Initsize();
        return Code(-2);
    }
    tuint32 uFlushed = 0;
    tuint32 uResult = 0;
    if (m_Head < m_Tail) {
        if (!SendRun(m_Tail, -3, uFlushed, uResult)) {
            return uResult;
        }
    } else if (m_Tail < m_Head) {
        if (!SendRun(m_BufferLen, -4, uFlushed, uResult)) {
            return uResult;
        }
        m_Head = 0;
        if (!SendRun(m_Tail, -5, uFlushed, uResult)) {
            return uResult;
        }
    }
    m_Head = 0;
    m_Tail = 0;
    return uFlushed;
}

// ---------------------------------------------------------------------------------------------
// Packet cipher

void _Xor(tchar* pContent, tuint32 nSize)
{
    // Reported by hand: the expression text reads "null_ptr", not the code's nullptr.
    if (pContent == nullptr) {
        _do_assert_(__FILE__, __LINE__, __PRETTY_FUNCTION__, "pContent != null_ptr", "", true);
        return;
    }
    tuint32 nXorKeySize = static_cast<tuint32>(gXorKey.GetLength());
    if (nXorKeySize == 0) {
        _do_assert_(__FILE__, __LINE__, __PRETTY_FUNCTION__, "nXorKeySize > 0", "", true);
        return;
    }
    const tchar* szKey = gXorKey.GetCText();
    for (tuint32 i = 0; i < nSize; ++i) {
        pContent[i] = static_cast<tchar>(pContent[i] ^ szKey[i % nXorKeySize]);
    }
}

void XorEncryptEx(tchar* pContent, tuint32 nSize)
{
    _Xor(pContent, nSize);
}

void XorDecryptEx(tchar* pContent, tuint32 nSize)
{
    _Xor(pContent, nSize);
}
