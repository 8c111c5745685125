#pragma once
// Helpers for the stream-socket layer's tests: a loopback TCP connection made through the
// layer itself, stream probes that show the ring's indices, and waits that end by themselves.

#include "PacketDef.h"

#include <arpa/inet.h>
#include <poll.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

namespace sockettest {

// Generous: the machine may be loaded; a passing test never waits this long.
const std::chrono::seconds s_WaitLimit(20);

inline bool WaitUntil(const std::function<bool()>& fnDone)
{
    auto deadline = std::chrono::steady_clock::now() + s_WaitLimit;
    while (!fnDone()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

inline tuint32 LocalPortOf(SOCKET s)
{
    sockaddr_in addr;
    memset(&addr, 0, sizeof(addr));
    socklen_t uLen = sizeof(addr);
    if (getsockname(s, reinterpret_cast<sockaddr*>(&addr), &uLen) != 0) {
        return 0;
    }
    return ntohs(addr.sin_port);
}

// Bytes 0, 1, ... 250, 0, 1, ... from position uFrom on: any lost, doubled or reordered byte
// shows.
inline std::string Pattern(size_t uFrom, size_t uCount)
{
    std::string str(uCount, '\0');
    for (size_t i = 0; i < uCount; ++i) {
        str[i] = static_cast<char>((uFrom + i) % 251);
    }
    return str;
}

inline std::string Bytes(std::initializer_list<int> bytes)
{
    std::string str;
    for (int b : bytes) {
        str.push_back(static_cast<char>(b));
    }
    return str;
}

// One loopback TCP connection: m_Client connected to 127.0.0.1, m_Server accepted by a
// ServerSocket on a free port. Both ends are left blocking; tests choose.
struct LoopbackPair {
    ServerSocket m_Listener{0};
    Socket m_Client;
    Socket m_Server;
    bool m_bConnected = false;

    LoopbackPair()
    {
        m_bConnected = m_Client.create() &&
                       m_Client.connect("127.0.0.1", LocalPortOf(m_Listener.getSOCKET())) &&
                       m_Listener.accept(&m_Server);
    }
};

inline bool WaitAvailable(const Socket& rSocket, tuint32 uCount)
{
    return WaitUntil([&] { return rSocket.available() >= uCount; });
}

// True once the peer's close has arrived (recv would return 0 after the data).
inline bool WaitPeerClosed(const Socket& rSocket)
{
    return WaitUntil([&] {
        pollfd pfd = {rSocket.getSOCKET(), POLLRDHUP, 0};
        return poll(&pfd, 1, 0) == 1 && (pfd.revents & (POLLRDHUP | POLLHUP)) != 0;
    });
}

// Sends everything, whether the socket blocks or not; false on a failure or the time limit.
inline bool SendAll(Socket& rSocket, const std::string& strData)
{
    size_t uSent = 0;
    return WaitUntil([&] {
        if (uSent == strData.size()) {
            return true;
        }
        tuint32 n = rSocket.send(strData.data() + uSent, static_cast<tuint32>(strData.size() - uSent),
                                 MSG_NOSIGNAL);
        if (n == static_cast<tuint32>(SOCKET_ERROR_WOULDBLOCK)) {
            return false;
        }
        if (n == static_cast<tuint32>(-1) || n == 0) {
            uSent = strData.size() + 1;  // ends the wait as a failure below
            return true;
        }
        uSent += n;
        return uSent == strData.size();
    }) && uSent == strData.size();
}

// Exactly uCount bytes (fewer when the peer closes or the time limit passes).
inline std::string ReceiveExactly(Socket& rSocket, size_t uCount)
{
    std::string str;
    WaitUntil([&] {
        while (str.size() < uCount) {
            pollfd pfd = {rSocket.getSOCKET(), POLLIN, 0};
            if (poll(&pfd, 1, 0) != 1) {
                return false;
            }
            char buf[65536];
            size_t uWant = uCount - str.size() < sizeof(buf) ? uCount - str.size() : sizeof(buf);
            tuint32 n = rSocket.receive(buf, static_cast<tuint32>(uWant), 0);
            if (n == static_cast<tuint32>(SOCKET_ERROR_WOULDBLOCK)) {
                return false;
            }
            if (n == 0 || n == static_cast<tuint32>(-1)) {
                return true;  // the peer closed or the socket failed: what came is returned
            }
            str.append(buf, n);
        }
        return true;
    });
    return str;
}

// The protected ring of either stream, for checking its indices and placing content.
template <typename StreamType>
class RingProbe : public StreamType {
public:
    using StreamType::StreamType;

    tuint32 BufferLen() const { return this->m_BufferLen; }
    tuint32 Head() const { return this->m_Head; }
    tuint32 Tail() const { return this->m_Tail; }

    // The held bytes in order, read straight from the block.
    std::string Content() const
    {
        std::string str;
        for (tuint32 i = this->m_Head; i != this->m_Tail; i = (i + 1) % this->m_BufferLen) {
            str.push_back(this->m_Buffer[i]);
        }
        return str;
    }

    // Puts strData into the block from uHead on, wrapping at the end of the block.
    void Place(tuint32 uHead, const std::string& strData)
    {
        this->m_Head = uHead;
        this->m_Tail = uHead;
        for (char c : strData) {
            this->m_Buffer[this->m_Tail] = c;
            this->m_Tail = (this->m_Tail + 1) % this->m_BufferLen;
        }
    }
};

typedef RingProbe<SocketInputStream> InputProbe;
typedef RingProbe<SocketOutputStream> OutputProbe;

}  // namespace sockettest
