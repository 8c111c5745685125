// Socket options, the connection check, the reactor and the listener, on socketpairs
// and loopback sockets.

#include "Assertx.h"
#include "LogDefine.h"
#include "LoopbackPeer.h"
#include "TempWorkDir.h"
#include "net_io_epoll.h"
#include "net_io_passive.h"
#include "net_session.h"
#include "net_socket_option.h"
#include "net_stream_io.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

using nettest::PumpUntil;
using nettest::RecordingUnit;
using NSNet::SessionId;

namespace {

typedef std::vector<std::string> Events;

// Both ends of an AF_UNIX stream pair, closed at the end unless taken.
struct SocketPair {
    SocketPair() { ok = ::socketpair(AF_UNIX, SOCK_STREAM, 0, fd) == 0; }
    ~SocketPair() {
        for (int f : fd) {
            if (f >= 0) {
                ::close(f);
            }
        }
    }
    int take(int i) {
        const int f = fd[i];
        fd[i] = -1;
        return f;
    }
    int fd[2] = {-1, -1};
    bool ok = false;
};

size_t OpenDescriptors() {
    size_t n = 0;
    for (const auto& e : std::filesystem::directory_iterator("/proc/self/fd")) {
        (void)e;
        ++n;
    }
    return n;
}

NSNet::INetIo* ReactorOf(RecordingUnit& unit) { return static_cast<NSNet::INetIoAgent&>(unit).m_pINetIo; }

} // namespace

TEST(NetSocketOption, BlockAndNonBlockTouchOnlyTheirFlag) {
    SocketPair pair;
    ASSERT_TRUE(pair.ok);
    const int fd = pair.fd[0];
    ASSERT_EQ(0, ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_APPEND));
    const int before = ::fcntl(fd, F_GETFL);
    ASSERT_TRUE(NSNet::setSocketNonBlock(fd));
    EXPECT_EQ(before | O_NONBLOCK, ::fcntl(fd, F_GETFL));
    ASSERT_TRUE(NSNet::setSocketBlock(fd));
    EXPECT_EQ(before & ~O_NONBLOCK, ::fcntl(fd, F_GETFL));
    EXPECT_NE(0, ::fcntl(fd, F_GETFL) & O_APPEND);
}

TEST(NetSocketOption, GettersSettersAndHelpers) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    int value = -1;
    ASSERT_TRUE(NSNet::setSocketNoDelay(fd, 1));
    ASSERT_TRUE(NSNet::getSocketNoDelay(fd, value));
    EXPECT_EQ(1, value);
    ASSERT_TRUE(NSNet::setSocketSendBuffer(fd, 87380));
    ASSERT_TRUE(NSNet::getSocketSendBuffer(fd, value));
    EXPECT_EQ(174760, value); // Linux reports twice what was set
    ASSERT_TRUE(NSNet::setSocketRecvBuffer(fd, 87380));
    ASSERT_TRUE(NSNet::getSocketRecvBuffer(fd, value));
    EXPECT_EQ(174760, value);
    EXPECT_TRUE(NSNet::setSocketNonLinger(fd));
    EXPECT_TRUE(NSNet::setSocketBroadcast(fd));
    EXPECT_TRUE(NSNet::socketDefaultInit(fd));
    ::close(fd);
    // Every helper reports a failing call.
    EXPECT_FALSE(NSNet::setSocketNoDelay(fd, 1));
    EXPECT_FALSE(NSNet::setSocketNonBlock(fd));
    EXPECT_FALSE(NSNet::setSocketKeepAlive(fd));
    EXPECT_FALSE(NSNet::socketDefaultInit(fd));

    SocketPair pair;
    ASSERT_TRUE(pair.ok);
    ASSERT_EQ(5, ::write(pair.fd[1], "hello", 5));
    unsigned long readable = 0;
    ASSERT_TRUE(NSNet::getBytesReadableOnSocket(pair.fd[0], readable));
    EXPECT_EQ(5ul, readable);
    int copy = -1;
    ASSERT_TRUE(NSNet::socketClone(pair.fd[0], copy));
    EXPECT_NE(pair.fd[0], copy);
    char buf[8] = {};
    EXPECT_EQ(5, ::read(copy, buf, sizeof(buf)));
    ::close(copy);
}

TEST(NetSocketOption, AddressesReadAsInetAtonReadsThem) {
    struct Row {
        const char* text;
        bool ok;
        tuint32 hostOrder;
    };
    const Row rows[] = {
        {"127.0.0.1", true, 0x7F000001u},
        {"0.0.0.0", true, 0u},
        {"255.255.255.255", true, 0xFFFFFFFFu}, // inet_addr's own "none" value
        {"10.1.2.3", true, 0x0A010203u},
        {"127.1", true, 0x7F000001u},
        {"10.1.515", true, 0x0A010203u},
        {"2130706433", true, 0x7F000001u},
        {"0x7f.0.0.1", true, 0x7F000001u},
        {"010.0.0.1", true, 0x08000001u},
        {"0177.0.0.01", true, 0x7F000001u},
        {"127.0.0.1 and words", true, 0x7F000001u}, // inet_aton stops at white space
        {"localhost", false, 0},
        {"", false, 0},
        {"256.0.0.1", false, 0},
        {"09.0.0.1", false, 0},
        {" 127.0.0.1", false, 0},
        {"1.2.3.4.5", false, 0},
        {"127.0.0.1x", false, 0},
        {"4294967296", false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        tuint32 addr = 0;
        EXPECT_EQ(row.ok, NSNet::parseIPv4Address(row.text, addr));
        if (row.ok) {
            EXPECT_EQ(row.hostOrder, ntohl(addr));
        }
    }
    tuint32 addr = 0;
    EXPECT_FALSE(NSNet::parseIPv4Address(std::string("127.0.0.1\0x", 11), addr)) << "a NUL inside";
}

TEST(NetSocketOption, IsConnectedServesHighDescriptors) {
    SocketPair pair;
    ASSERT_TRUE(pair.ok);
    EXPECT_TRUE(NSNet::isConnected(pair.fd[0]));
    // Far past FD_SETSIZE (1024), where a select set would be overrun.
    const int high = ::fcntl(pair.fd[0], F_DUPFD, 1500);
    if (high < 0) {
        GTEST_SKIP() << "descriptor limit below 1500";
    }
    EXPECT_GE(high, 1500);
    EXPECT_TRUE(NSNet::isConnected(high));
    ::close(high);
    EXPECT_FALSE(NSNet::isConnected(high));
}

TEST(NetSocketInfo, ClearMeansNotSet) {
    NSNet::SocketInfo info;
    info.type = 1;
    info.address = "1.2.3.4";
    info.port = 80;
    info.backlog = 5;
    info.clear();
    EXPECT_EQ(-1, info.type);
    EXPECT_EQ("", info.address);
    EXPECT_EQ(0xFFFF, info.port);
    for (int v : {info.reuseAddress, info.keepAlive, info.noDelay, info.nonBlock, info.sendBuffer,
                  info.recvBuffer, info.backlog}) {
        EXPECT_EQ(-1, v);
    }
}

TEST(NetReactor, ReactorClosesItsEpollDescriptorOnly) {
    // A reactor has no socket (-1, never closed) and one epoll descriptor, closed
    // with it: building and dropping reactors leaves the descriptor count unchanged
    // and reports no failed close.
    const size_t before = OpenDescriptors();
    testing::internal::CaptureStdout();
    for (int i = 0; i < 5; ++i) {
        NSNet::INetIoAgent agent;
        agent.tick();
    }
    EXPECT_EQ("", testing::internal::GetCapturedStdout());
    EXPECT_EQ(before, OpenDescriptors());
}

TEST(NetReactor, FailedCloseOfADescriptorIsReported) {
    SocketPair pair;
    ASSERT_TRUE(pair.ok);
    const int fd = pair.take(0);
    testing::internal::CaptureStdout();
    {
        NSNet::INetIo io(fd);
        ::close(fd); // closed behind the io's back: its own close fails with EBADF (9)
    }
    EXPECT_EQ("close socket error. error id = 9", testing::internal::GetCapturedStdout());
}

TEST(NetReactor, EmptyReactorPollsNothingAndIdsStartAtOne) {
    NSNet::CEpollIo reactor;
    EXPECT_EQ(0, reactor.poll());
    EXPECT_EQ(-1, reactor.getSocket());
    EXPECT_EQ(nullptr, reactor.pop(3));
    EXPECT_EQ(nullptr, reactor.registerEvent(nullptr, true, true));
    EXPECT_EQ(0u, reactor.curSessionId());
    EXPECT_EQ(1u, reactor.nextSessionId());
    EXPECT_EQ(2u, reactor.nextSessionId());
    EXPECT_EQ(2u, reactor.curSessionId());

    // After 2^32 - 1 ids the counter wraps past 0, which stays "no session".
    struct WornReactor : NSNet::CEpollIo {
        WornReactor() { m_sessionIdGenerator = 0xFFFFFFFEu; }
    } worn;
    EXPECT_EQ(0xFFFFFFFFu, worn.nextSessionId());
    EXPECT_EQ(1u, worn.nextSessionId());
}

class NetStreamTest : public ::testing::Test {
protected:
    void SetUp() override {
        gSNetLogSink.Flush();
        m_dir.reset(new TempWorkDir());
    }
    std::unique_ptr<TempWorkDir> m_dir;
    RecordingUnit unit;
};

TEST_F(NetStreamTest, SendAfterThePeerLeftAbortsWithEpipe) {
    SocketPair pair;
    ASSERT_TRUE(pair.ok);
    ASSERT_TRUE(NSNet::setSocketNonBlock(pair.fd[0]));
    NSNet::CProtocolSession prototype(&unit);
    NSNet::CStreamIo* io = new NSNet::CStreamIo(pair.take(0), prototype.clone());
    // The registration opens the session at once.
    ASSERT_EQ(io, ReactorOf(unit)->registerEvent(io, true, true));
    EXPECT_EQ((Events{"add 1"}), unit.events);
    const NSNet::BuffType raw[3] = {1, 2, 3};
    ASSERT_EQ(0, unit.send(1, raw, 3));
    ::close(pair.take(1));
    unit.tick();
    // Input first (the peer's end: 0x10000), then output (EPIPE is 32: 0x30020).
    EXPECT_EQ((Events{"add 1", "abort 1 0x10000", "abort 1 0x30020", "delete 1"}), unit.events);
}

TEST_F(NetStreamTest, PoppedIoIsNoLongerPolled) {
    SocketPair pair;
    ASSERT_TRUE(pair.ok);
    ASSERT_TRUE(NSNet::setSocketNonBlock(pair.fd[0]));
    NSNet::CProtocolSession prototype(&unit);
    const int fd = pair.take(0);
    NSNet::CStreamIo* io = new NSNet::CStreamIo(fd, prototype.clone());
    ASSERT_EQ(io, ReactorOf(unit)->registerEvent(io, true, true));
    // Loaded only at the next turn: before it, pop finds nothing.
    EXPECT_EQ(nullptr, ReactorOf(unit)->pop(fd));
    unit.tick();
    ASSERT_EQ(io, ReactorOf(unit)->pop(fd));
    const std::string frame = nettest::Frame(1, "x");
    ASSERT_EQ(static_cast<ssize_t>(frame.size()), ::write(pair.fd[1], frame.data(), frame.size()));
    unit.tick();
    unit.tick();
    EXPECT_TRUE(unit.frames.empty());
    delete io; // the caller owns a popped io
    EXPECT_EQ((Events{"add 1", "delete 1"}), unit.events);
}

TEST_F(NetStreamTest, ListenerAcceptsIntoTheSameReactor) {
    NSNet::CProtocolSession prototype(&unit);
    NSNet::SocketInfo info;
    info.address = "127.0.0.1";
    info.port = 0;
    info.nonBlock = 1;
    NSNet::INetIo* listener = NSNet::CPassiveIo::open(prototype, &info, ReactorOf(unit));
    ASSERT_NE(nullptr, listener);
    sockaddr_in addr{};
    socklen_t len = sizeof(addr);
    ASSERT_EQ(0, ::getsockname(listener->getSocket(), reinterpret_cast<sockaddr*>(&addr), &len));
    const tuint16 port = ntohs(addr.sin_port);

    // The listener's own copy of the prototype drew id 1; the client gets 2 and the
    // accepted side 3.
    SessionId sid = 0;
    ASSERT_TRUE(unit.Connect(port, sid));
    EXPECT_EQ(2u, sid);
    ASSERT_TRUE(PumpUntil(unit, [&] { return unit.events.size() == 2; }));
    EXPECT_EQ((Events{"add 2", "add 3"}), unit.events);

    // The accepted socket got the server set-up.
    NSNet::INetSession* accepted = unit.getSession(3);
    ASSERT_NE(nullptr, accepted);
    int noDelay = 0;
    ASSERT_TRUE(NSNet::getSocketNoDelay(accepted->getNetIo()->getSocket(), noDelay));
    EXPECT_EQ(1, noDelay);

    // Frames flow both ways within one unit.
    const NSNet::BuffType hello[7] = {0, 0, 0, 7, 0, 12, 'h'};
    ASSERT_EQ(0, unit.send(2, hello, 7));
    ASSERT_TRUE(PumpUntil(unit, [&] { return !unit.frames.empty(); }));
    EXPECT_EQ("frame 3 12 7", unit.events.back());

    // A second listener on the same port is an assertion report that throws, and its
    // socket is closed first.
    info.port = port;
    const size_t descriptors = OpenDescriptors();
    testing::internal::CaptureStdout();
    EXPECT_THROW(NSNet::CPassiveIo::open(prototype, &info, ReactorOf(unit)), int);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(descriptors, OpenDescriptors());
    EXPECT_NE(std::string::npos, out.find("[bind port failed]"));
    EXPECT_NE(std::string::npos, m_dir->ReadLogs("assert").find("bind port failed"));

    // Text that is not an address makes no listener (it is not taken for "any"), with
    // a log line; a short form is an address.
    info.address = "any";
    info.port = 0;
    EXPECT_EQ(nullptr, NSNet::CPassiveIo::open(prototype, &info, ReactorOf(unit)));
    gSNetLogSink.Flush();
    EXPECT_NE(std::string::npos, m_dir->ReadLogs("SNet").find("[CPassiveIo::open] error address:any..."));
    info.address = "127.1";
    NSNet::INetIo* shortForm = NSNet::CPassiveIo::open(prototype, &info, ReactorOf(unit));
    ASSERT_NE(nullptr, shortForm);
    len = sizeof(addr);
    ASSERT_EQ(0, ::getsockname(shortForm->getSocket(), reinterpret_cast<sockaddr*>(&addr), &len));
    EXPECT_EQ(0x7F000001u, ntohl(addr.sin_addr.s_addr));
}

TEST_F(NetStreamTest, FramesRoundTheBufferEndAreHandedOverWhole) {
    // Each row places the head of an empty 65536-byte input buffer, then two frames
    // arrive in one chunk; the first one crosses the block's end where the row says.
    struct Row {
        const char* name;
        tuint32 head;
    };
    const Row rows[] = {
        {"at the block's start", 0},
        {"header ends on the last byte", 65530},
        {"header crosses the end", 65533},
        {"body crosses the end", 65520},
        {"only the last body byte wraps", 65510},
    };
    const std::string first = nettest::Frame(7, "0123456789abcdefghijklmnopqrstuvwxyz"); // 42 bytes
    const std::string second = nettest::Frame(8, "tail");
    NSNet::CProtocolSession prototype(&unit);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        unit.frames.clear();
        std::unique_ptr<NSNet::INetSession> session(prototype.clone());
        NSNet::CNetBuffer& in = session->getInputBuffer();
        in.commit(row.head);
        ASSERT_EQ(0, in.skip(row.head));
        const std::string bytes = first + second;
        ASSERT_EQ(0, in.push(reinterpret_cast<const NSNet::BuffType*>(bytes.data()), static_cast<int>(bytes.size())));
        EXPECT_EQ(0, session->onRecv());
        ASSERT_EQ(2u, unit.frames.size());
        EXPECT_EQ(nettest::Hex(first), nettest::Hex(unit.frames[0]));
        EXPECT_EQ(nettest::Hex(second), nettest::Hex(unit.frames[1]));
        EXPECT_TRUE(in.empty());
        EXPECT_EQ(65536u, in.capacity());
    }
}

TEST_F(NetStreamTest, FramesLongerThanTheInputBufferGrowItOnceAndGiveItBack) {
    // Each row: the head of an empty 65536-byte input buffer, a frame of `length` bytes
    // pushed in pieces of `piece` bytes (each followed by onRecv), and the block it
    // needs. The block changes once, when the header is complete, and returns to 65536
    // bytes once the frame is out.
    struct Row {
        const char* name;
        tuint32 head;
        tuint32 length;
        tuint32 piece;
        tuint32 grown;
    };
    const Row rows[] = {
        {"71 KB, the first piece fills the block", 0, 71000, 65535, 131072},
        {"71 KB byte by byte", 0, 71000, 1, 131072},
        {"header across the block's end, 1460-byte reads", 65533, 71000, 1460, 131072},
        {"65536 bytes: one more than the block holds", 100, 65536, 1460, 131072},
        {"1 MiB and a byte", 0, (1u << 20) + 1, 65535, 17u * 65536},
    };
    NSNet::CProtocolSession prototype(&unit);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        unit.frames.clear();
        unit.events.clear();
        std::unique_ptr<NSNet::INetSession> session(prototype.clone());
        NSNet::CNetBuffer& in = session->getInputBuffer();
        in.commit(row.head);
        ASSERT_EQ(0, in.skip(row.head));
        std::string body;
        for (tuint32 i = 0; i + 6 < row.length; ++i) {
            body.push_back(static_cast<char>(i * 13 + 1));
        }
        const std::string frame = nettest::Frame(7, body);
        ASSERT_EQ(row.length, frame.size());

        std::vector<tuint32> capacities = {in.capacity()};
        tuint32 changedAt = 0;
        for (tuint32 from = 0; from < frame.size(); from += row.piece) {
            const tuint32 n = std::min<tuint32>(row.piece, static_cast<tuint32>(frame.size()) - from);
            ASSERT_EQ(0, in.push(reinterpret_cast<const NSNet::BuffType*>(frame.data() + from), static_cast<int>(n)));
            session->onRecv();
            if (in.capacity() != capacities.back()) {
                capacities.push_back(in.capacity());
                changedAt = changedAt == 0 ? from + n : changedAt;
            }
        }
        ASSERT_EQ(1u, unit.frames.size());
        EXPECT_TRUE(unit.frames[0] == frame);
        ASSERT_EQ(1u, unit.events.size()); // the frame, no abort
        EXPECT_EQ(0u, unit.events[0].rfind("frame ", 0)) << unit.events[0];
        EXPECT_EQ((std::vector<tuint32>{65536, row.grown, 65536}), capacities);
        EXPECT_GE(changedAt, 6u) << "grown once the header was there";
        EXPECT_LT(changedAt, 6u + row.piece) << "grown by the piece that completed the header";
        EXPECT_TRUE(in.empty());
    }
}

TEST_F(NetStreamTest, AGrownInputKeepsItsBlockWhileBytesWait) {
    // A large frame and the start of the next one in one chunk: the large one is out,
    // but the block stays for the bytes that wait; it goes back once they are out too.
    NSNet::CProtocolSession prototype(&unit);
    std::unique_ptr<NSNet::INetSession> session(prototype.clone());
    NSNet::CNetBuffer& in = session->getInputBuffer();
    const std::string large = nettest::Frame(3, std::string(80000, 'L'));
    const std::string small = nettest::Frame(4, "small");
    const std::string first = large + small.substr(0, 3);
    ASSERT_EQ(0, in.push(reinterpret_cast<const NSNet::BuffType*>(first.data()), static_cast<int>(first.size())));
    session->onRecv();
    ASSERT_EQ(1u, unit.frames.size());
    EXPECT_EQ(131072u, in.capacity());
    EXPECT_EQ(3u, in.size());
    const std::string rest = small.substr(3);
    ASSERT_EQ(0, in.push(reinterpret_cast<const NSNet::BuffType*>(rest.data()), static_cast<int>(rest.size())));
    session->onRecv();
    ASSERT_EQ(2u, unit.frames.size());
    EXPECT_EQ(nettest::Hex(small), nettest::Hex(unit.frames[1]));
    EXPECT_EQ(65536u, in.capacity());

    // The largest frame the bound allows: its header alone grows the block to 64 MiB and
    // the session stays open; one byte more is refused (see the net unit's tests).
    const std::string header("\x03\xff\xff\xff\x00\x05", 6);
    ASSERT_EQ(0, in.push(reinterpret_cast<const NSNet::BuffType*>(header.data()), 6));
    session->onRecv();
    EXPECT_EQ(64u * 1024 * 1024, in.capacity());
    EXPECT_EQ(2u, unit.events.size()); // the two frames, no abort
}
