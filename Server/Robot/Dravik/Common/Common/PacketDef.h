#pragma once
// The stream-socket layer: thin POSIX wrappers (FileAPI, SocketAPI), a Socket that owns one
// TCP descriptor, a ServerSocket that owns a listening Socket, two growable byte rings bound
// to a Socket, and packets framed as on the agent's wire with an optional repeating-key XOR.
//
// This layer is apart from the reactor library (NSNet): its own SOCKET, its own would-block
// result, no shared code. They share only the frame:
//   [0,4) total length incl. header, big-endian | [4,6) packet id, big-endian | [6,..) body
// The header is never enciphered; the body is, for a crypto packet, XORed with gXorKey's
// characters, the key starting again at its first character for every body.
//
// Results: counts travel as tuint32; SOCKET_ERROR_WOULDBLOCK (-100) means "nothing can move
// now, call again", 0 from a receive means the peer closed, -1 is any other failure. Nothing
// here locks: a socket and its streams belong to one thread.

#include "BaseType.h"
#include "FLString.h"

#include <netinet/in.h>
#include <sys/socket.h>

#include <google/protobuf/message.h>

typedef tint32 SOCKET;
typedef sockaddr_in SOCKADDR_IN;

const tint32 SOCKET_ERROR_WOULDBLOCK = -100;

// Text of this thread's last failed accept_ex. One per thread, so that a failure on another
// thread cannot overwrite (or tear) the text a caller is about to read.
extern thread_local tchar Error[256];

namespace FileAPI {

void close_ex(tint32 fd);
tint32 fcntl_ex(tint32 fd, tint32 cmd, long arg);
// True when O_NONBLOCK is set; false when it is not or the flags cannot be read.
bool getfilenonblocking_ex(tint32 fd);
void setfilenonblocking_ex(tint32 fd, bool on);
void ioctl_ex(tint32 fd, tint32 request, void* argp);
// Bytes waiting to be read (FIONREAD); 0 when the call fails.
tuint32 availablefile_ex(tint32 fd);

}  // namespace FileAPI

namespace SocketAPI {

// Each bool is true when the system call did not return -1.
SOCKET socket_ex(tint32 domain, tint32 type, tint32 protocol);
bool bind_ex(SOCKET s, const sockaddr* addr, tuint32 addrlen);
bool connect_ex(SOCKET s, const sockaddr* addr, tuint32 addrlen);
bool listen_ex(SOCKET s);  // backlog 128
// -1 on failure, with the error's name in Error.
SOCKET accept_ex(SOCKET s, sockaddr* addr, tuint32* addrlen);
bool getsockopt_ex(SOCKET s, tint32 level, tint32 optname, void* optval, tuint32* optlen);
// 0 on success, else EBADF 1, ENOTSOCK 2, ENOPROTOOPT 3, EFAULT 4, any other 5.
tuint32 getsockopt_ex2(SOCKET s, tint32 level, tint32 optname, void* optval, tuint32* optlen);
bool setsockopt_ex(SOCKET s, tint32 level, tint32 optname, const void* optval, tuint32 optlen);
// The count moved, SOCKET_ERROR_WOULDBLOCK for EAGAIN, -1 for any other failure.
tuint32 send_ex(SOCKET s, const void* buf, tuint32 len, tuint32 flags);
tuint32 recv_ex(SOCKET s, void* buf, tuint32 len, tuint32 flags);  // 0: the peer closed
bool closesocket_ex(SOCKET s);
bool ioctlsocket_ex(SOCKET s, long cmd, unsigned long* argp);  // does nothing
bool getsocketnonblocking_ex(SOCKET s);
bool setsocketnonblocking_ex(SOCKET s, bool on);
tuint32 availablesocket_ex(SOCKET s);
const tchar* getsocketerror_ex();

}  // namespace SocketAPI

// One IPv4 TCP socket and its address: the peer's for a client, the bound one for a server.
// Invariant: m_SocketID is -1 or a descriptor this object owns; m_Host is NUL-terminated
// (at most 23 characters). Not copyable (it closes its descriptor). One thread at a time.
class Socket {
    friend class ServerSocket;

public:
    Socket();
    virtual ~Socket();
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    bool create();
    // Closes the descriptor unless getsockopt no longer knows it; forgets it in every case.
    void close();
    // Keeps at most 23 characters of host and the port, then connect().
    bool connect(const tchar* host, tuint32 port);
    // To m_Host read as inet_aton reads it (no name lookup); false without a connect
    // attempt for text it cannot read.
    bool connect();

    tuint32 send(const void* buf, tuint32 len, tuint32 flags);
    tuint32 receive(void* buf, tuint32 len, tuint32 flags);
    tuint32 available() const;

    SOCKET accept(sockaddr* addr, tuint32* addrlen);
    bool bind(tuint32 port);  // INADDR_ANY
    bool listen();

    bool setLinger(tuint32 lingertime);  // 0 switches lingering off
    bool setReuseAddr(bool on);
    bool setNonBlocking(bool on);

    bool isValid() const;
    SOCKET getSOCKET() const;
    // True when SO_ERROR cannot be read; the pending error value is not examined.
    bool isSockError() const;
    bool getSockError() const;

protected:
    SOCKET m_SocketID;
    SOCKADDR_IN m_SockAddr;
    tchar m_Host[24];
    tuint32 m_Port;
};

// A listening Socket on a port of every local address, created and owned here.
// Invariant: m_Socket is null only after destruction. One thread at a time.
class ServerSocket {
public:
    // create, SO_REUSEADDR, bind, listen; the first failure throws the int 1.
    explicit ServerSocket(tuint32 port);
    ~ServerSocket();
    ServerSocket(const ServerSocket&) = delete;
    ServerSocket& operator=(const ServerSocket&) = delete;

    // Closes socket, then accepts a pending connection into it (descriptor, peer address,
    // host text, port). False when accept fails.
    bool accept(Socket* socket);
    bool setNonBlocking(bool on);
    SOCKET getSOCKET() const;  // the listening descriptor

private:
    Socket* m_Socket;
};

class Player;
class ServerEntity;

enum PACKET_EXE {
    PACKET_EXE_ERROR = 0,
    PACKET_EXE_CONTINUE = 1,
};

// A protobuf message with its packet id, as the application defines it. The message is
// bound by reference, not owned, and outlives the packet. GetPacketSize must be the message's
// serialized size and GetPacketID the id of the frame. Used by the thread that owns the
// message.
class Packet {
    friend class SocketInputStream;
    friend class SocketOutputStream;

public:
    explicit Packet(google::protobuf::Message& rPacketData) : m_rPacketData(rPacketData) {}
    virtual ~Packet() {}

    virtual void CleanUp() = 0;
    virtual tuint32 Execute(Player* pPlayer) = 0;
    virtual tuint32 Execute(ServerEntity* pServerEntity) = 0;
    virtual tuint16 GetPacketID() const = 0;
    virtual tuint32 GetPacketSize() const = 0;

protected:
    google::protobuf::Message& m_rPacketData;
};

// The part common to SocketInputStream and SocketOutputStream: a growable ring of bytes bound
// to a socket (not owned), with exactly the streams' fields, in their order.
//
//   tail >= head: [head, tail) held          tail < head: [head, B) then [0, tail) held
//   Length = tail - head, or B + tail - head once wrapped. One byte is always left free,
//   so head == tail means empty, never full. 1 <= B; head, tail < B.
//
// The block only grows (Resize) until a stream's limit handling drops it back to that
// stream's reset size (its Initsize). Not a stream by itself. Owned by one thread, the socket's.
class SocketStreamRing {
public:
    virtual ~SocketStreamRing();
    SocketStreamRing(const SocketStreamRing&) = delete;
    SocketStreamRing& operator=(const SocketStreamRing&) = delete;

    tuint32 Length() const;
    // Grows the block by max(size, B/2), the content moved to its start. False, with nothing
    // changed, when the new size would not fit 32 bits or the block cannot be had.
    bool Resize(tint32 size);
    // Rebinds the stream to another socket (not owned); the content stays.
    void updateSocket(Socket* sock);

protected:
    SocketStreamRing(Socket* sock, tuint32 BufferLen, tuint32 MaxBufferLen);

    // Drops the content: a fresh zero-filled block of uSize bytes, head and tail 0.
    void ResetBlock(tuint32 uSize);
    tuint32 FreeSize() const;  // bytes that can be added without touching the kept byte

    Socket* m_pSocket;
    tchar* m_Buffer;
    tuint32 m_BufferLen;
    tuint32 m_MaxBufferLen;
    tuint32 m_Head;
    tuint32 m_Tail;
};

// What arrives on the socket, read by Fill and taken out as bytes or packets.
class SocketInputStream : public SocketStreamRing {
public:
    SocketInputStream(Socket* sock, tuint32 BufferLen, tuint32 MaxBufferLen);

    // Drops the content; a fresh zero-filled block of 65536 bytes.
    void Initsize();

    // len bytes from the head, or 0 (nothing moved) when len is 0 or more than Length().
    tuint32 Read(tchar* buf, tuint32 len);
    bool Peek(tchar* buf, tuint32 len) const;
    bool Skip(tuint32 len);

    // Reads what the socket has: the count read (0 when it would block at once; bytes read
    // before a would-block are counted), or a negative code telling where it stopped, as
    // receive failed / peer closed, and for the growth of a full ring limit / failed / closed
    // (at the limit, more waits than m_MaxBufferLen allows and the content is dropped):
    //   head 0:            [t, B-1) -2 / -3                     growth -4 / -5 / -6
    //   0 < head <= tail:  [t, B) -7 / -8, then [0, h-1) -9 / -10  growth -11 / -12 / -13
    //   tail < head:       [t, h-1) -14 / -15                   growth -16 / -17 / -18
    tuint32 Fill();

    // Consumes one frame of nSize body bytes (header examined by the caller) and parses the
    // body into the packet's message. False, with nothing consumed, when the frame is not
    // all here.
    bool ReadPacket(const Packet& rPacket, tuint32 nSize, bool bIsCryptoPacket);

private:
    // One receive into [uPos, uPos + uLen), its count in rReceived and added to rFilled; the
    // caller moves m_Tail. False when Fill ends here, with its result in rResult.
    bool ReceiveAt(tuint32 uPos, tuint32 uLen, tint32 nErrorCode, tint32 nClosedCode,
                   tuint32& rReceived, tuint32& rFilled, tuint32& rResult);
    // The ring is full: grow once for what waits on the socket and read it.
    bool GrowAndReceive(tint32 nLimitCode, tint32 nErrorCode, tint32 nClosedCode,
                        tuint32& rFilled, tuint32& rResult);
};

// What is to be sent, queued by Write and sent by Flush.
class SocketOutputStream : public SocketStreamRing {
public:
    SocketOutputStream(Socket* sock, tuint32 BufferLen, tuint32 MaxBufferLen);

    // Drops the content; a fresh zero-filled block of 16384 bytes.
    void Initsize();

    // Appends len bytes, growing the block when they would not leave the free byte; len, or
    // 0 when growing failed (nothing written).
    tuint32 Write(const tchar* buf, tuint32 len);
    // Appends one frame; false, with nothing written, when the message's serialized size is
    // not GetPacketSize() or the block cannot grow.
    bool WritePacket(const Packet& rPacket, bool bIsCryptoPacket);
    // Sends what is held: the count when all went out; 0 when the socket would take no more
    // (what was sent stays sent); -2 when the block had grown past m_MaxBufferLen (all queued
    // bytes dropped); -3, -4, -5 on a send failure.
    tuint32 Flush();

private:
    // Grows the block so that len bytes can be added; false when it cannot.
    bool Reserve(tuint32 len);
    // Sends [m_Head, uEnd). False when Flush ends here, with its result in rResult.
    bool SendRun(tuint32 uEnd, tint32 nErrorCode, tuint32& rFlushed, tuint32& rResult);
};

// Key of the packet cipher: 32 hexadecimal characters, used as character codes.
extern const FLString<128> gXorKey;

// pContent[i] ^= gXorKey[i mod 32]. A null pContent or an empty key is an assertion report
// (thrown). Enciphering and deciphering are the same operation.
void _Xor(tchar* pContent, tuint32 nSize);
void XorEncryptEx(tchar* pContent, tuint32 nSize);
void XorDecryptEx(tchar* pContent, tuint32 nSize);
