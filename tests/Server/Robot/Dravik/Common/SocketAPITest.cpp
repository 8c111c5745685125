// The stream-socket wrappers: errno mapping, the accept error texts, Socket and ServerSocket.

#include "PacketDef.h"

#include "SocketTestLoopback.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <thread>

using namespace sockettest;

namespace {

const tuint32 s_uWouldBlock = static_cast<tuint32>(-100);
const tuint32 s_uFailed = static_cast<tuint32>(-1);

// A connected AF_UNIX stream pair, closed at the end of the test.
struct FdPair {
    tint32 fd[2] = {-1, -1};
    FdPair() { EXPECT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, fd), 0); }
    ~FdPair()
    {
        CloseEnd(0);
        CloseEnd(1);
    }
    void CloseEnd(int i)
    {
        if (fd[i] != -1) {
            close(fd[i]);
            fd[i] = -1;
        }
    }
};

// A descriptor number that is surely not open.
tint32 ClosedFd()
{
    tint32 fd = open("/dev/null", O_RDONLY);
    close(fd);
    return fd;
}

// A Socket whose address fields can be read.
struct SocketProbe : Socket {
    std::string Host() const { return m_Host; }
    tuint32 Port() const { return m_Port; }
};

// A plain listener (no SO_REUSEADDR) on a free port of the given address.
tint32 PlainListener(tuint32 uAddr)
{
    tint32 fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr;
    memset(&addr, 0, sizeof(addr));
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(uAddr);
    EXPECT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)), 0);
    EXPECT_EQ(listen(fd, 1), 0);
    return fd;
}

size_t OpenDescriptorCount()
{
    size_t uCount = 0;
    DIR* pDir = opendir("/proc/self/fd");
    if (pDir == nullptr) {
        return 0;
    }
    while (readdir(pDir) != nullptr) {
        ++uCount;
    }
    closedir(pDir);
    return uCount;
}

}  // namespace

TEST(SocketAPI, ReceiveWouldBlockThenDataThenPeerClosed)
{
    FdPair pair;
    ASSERT_TRUE(SocketAPI::setsocketnonblocking_ex(pair.fd[0], true));
    char buf[16];
    EXPECT_EQ(SocketAPI::recv_ex(pair.fd[0], buf, sizeof(buf), 0), s_uWouldBlock);

    ASSERT_EQ(write(pair.fd[1], "abc", 3), 3);
    EXPECT_EQ(SocketAPI::availablesocket_ex(pair.fd[0]), 3u);
    EXPECT_EQ(SocketAPI::recv_ex(pair.fd[0], buf, sizeof(buf), 0), 3u);
    EXPECT_EQ(std::string(buf, 3), "abc");

    pair.CloseEnd(1);
    EXPECT_EQ(SocketAPI::recv_ex(pair.fd[0], buf, sizeof(buf), 0), 0u) << "peer closed";
    EXPECT_EQ(SocketAPI::recv_ex(ClosedFd(), buf, sizeof(buf), 0), s_uFailed);
}

TEST(SocketAPI, SendWouldBlockWhenThePeerReadsNothingAndFailsOnABadDescriptor)
{
    FdPair pair;
    ASSERT_TRUE(SocketAPI::setsocketnonblocking_ex(pair.fd[0], true));
    std::string chunk(65536, 'x');
    tuint32 uLast = 0;
    for (int i = 0; i < 10000 && uLast != s_uWouldBlock; ++i) {
        uLast = SocketAPI::send_ex(pair.fd[0], chunk.data(), static_cast<tuint32>(chunk.size()), 0);
        ASSERT_NE(uLast, s_uFailed);
    }
    EXPECT_EQ(uLast, s_uWouldBlock);
    EXPECT_EQ(SocketAPI::send_ex(ClosedFd(), "a", 1, MSG_NOSIGNAL), s_uFailed);
}

TEST(SocketAPI, AcceptFailureNamesTheError)
{
    struct Row {
        const char* szCase;
        std::function<tint32()> fnMakeFd;  // the descriptor to accept on
        const char* szText;
    };
    const Row rows[] = {
        {"non-blocking listener, nothing pending",
         [] {
             tint32 fd = PlainListener(INADDR_LOOPBACK);
             SocketAPI::setsocketnonblocking_ex(fd, true);
             return fd;
         },
         "EWOULDBLOCK"},
        {"closed descriptor", [] { return ClosedFd(); }, "EBADF"},
        {"a file, not a socket", [] { return open("/dev/null", O_RDONLY); }, "ENOTSOCK"},
        {"UDP socket", [] { return socket(AF_INET, SOCK_DGRAM, 0); }, "EOPNOTSUPP"},
        {"TCP socket that does not listen (EINVAL)",
         [] { return socket(AF_INET, SOCK_STREAM, 0); }, "Error: 22"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.szCase);
        tint32 fd = row.fnMakeFd();
        sockaddr_in addr;
        tuint32 uLen = sizeof(addr);
        EXPECT_EQ(SocketAPI::accept_ex(fd, reinterpret_cast<sockaddr*>(&addr), &uLen), -1);
        EXPECT_STREQ(SocketAPI::getsocketerror_ex(), row.szText);
        if (fd != -1) {
            close(fd);
        }
    }
}

TEST(SocketAPI, AcceptOutOfDescriptorsLeavesTheErrnoNumber)
{
    LoopbackPair pair;  // one more connection will be pending on its listener
    ASSERT_TRUE(pair.m_bConnected);
    Socket waiting;
    ASSERT_TRUE(waiting.create());
    ASSERT_TRUE(waiting.connect("127.0.0.1", LocalPortOf(pair.m_Listener.getSOCKET())));

    // Lower the limit to the lowest free descriptor number: the next one cannot be had.
    rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
    tint32 fdFree = open("/dev/null", O_RDONLY);
    ASSERT_GE(fdFree, 0);
    close(fdFree);
    rlimit lowered = saved;
    lowered.rlim_cur = static_cast<rlim_t>(fdFree);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &lowered), 0);
    sockaddr_in addr;
    tuint32 uLen = sizeof(addr);
    SOCKET s = SocketAPI::accept_ex(pair.m_Listener.getSOCKET(), reinterpret_cast<sockaddr*>(&addr),
                                    &uLen);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &saved), 0);

    EXPECT_EQ(s, -1);
    EXPECT_STREQ(SocketAPI::getsocketerror_ex(), "Error: 24");
}

TEST(SocketAPI, AcceptErrorTextBelongsToTheFailingThread)
{
    sockaddr_in addr;
    tuint32 uLen = sizeof(addr);
    ASSERT_EQ(SocketAPI::accept_ex(ClosedFd(), reinterpret_cast<sockaddr*>(&addr), &uLen), -1);
    ASSERT_STREQ(SocketAPI::getsocketerror_ex(), "EBADF");

    std::string strOther;
    std::thread other([&] {
        tint32 fd = open("/dev/null", O_RDONLY);
        sockaddr_in otherAddr;
        tuint32 uOtherLen = sizeof(otherAddr);
        SocketAPI::accept_ex(fd, reinterpret_cast<sockaddr*>(&otherAddr), &uOtherLen);
        strOther = SocketAPI::getsocketerror_ex();
        close(fd);
    });
    other.join();

    EXPECT_EQ(strOther, "ENOTSOCK");
    EXPECT_STREQ(SocketAPI::getsocketerror_ex(), "EBADF") << "another thread's failure";
}

TEST(SocketAPI, GetsockoptFailureCodes)
{
    tint32 fdSocket = socket(AF_INET, SOCK_STREAM, 0);
    tint32 fdFile = open("/dev/null", O_RDONLY);
    ASSERT_GE(fdSocket, 0);
    ASSERT_GE(fdFile, 0);
    struct Row {
        const char* szCase;
        tint32 fd;
        tint32 nOptName;
        bool bNullValue;
        tuint32 uOptLen;
        tuint32 uExpected;
    };
    const Row rows[] = {
        {"SO_ERROR of a socket", fdSocket, SO_ERROR, false, sizeof(tint32), 0},
        {"closed descriptor (EBADF)", ClosedFd(), SO_ERROR, false, sizeof(tint32), 1},
        {"not a socket (ENOTSOCK)", fdFile, SO_ERROR, false, sizeof(tint32), 2},
        {"unknown option (ENOPROTOOPT)", fdSocket, 9999, false, sizeof(tint32), 3},
        {"value at address 0 (EFAULT)", fdSocket, SO_ERROR, true, sizeof(tint32), 4},
        {"negative length (EINVAL)", fdSocket, SO_ERROR, false, 0xFFFFFFFFu, 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.szCase);
        tint32 nValue = 0;
        tuint32 uLen = row.uOptLen;
        void* pValue = row.bNullValue ? nullptr : &nValue;
        EXPECT_EQ(SocketAPI::getsockopt_ex2(row.fd, SOL_SOCKET, row.nOptName, pValue, &uLen),
                  row.uExpected);
        uLen = row.uOptLen;
        EXPECT_EQ(SocketAPI::getsockopt_ex(row.fd, SOL_SOCKET, row.nOptName, pValue, &uLen),
                  row.uExpected == 0);
    }
    close(fdSocket);
    close(fdFile);
}

TEST(Socket, BuiltEmptyCreatedValidClosedForgotten)
{
    Socket sock;
    EXPECT_FALSE(sock.isValid());
    EXPECT_EQ(sock.getSOCKET(), -1);
    ASSERT_TRUE(sock.create());
    EXPECT_TRUE(sock.isValid());
    EXPECT_FALSE(sock.isSockError());
    SOCKET fd = sock.getSOCKET();
    sock.close();
    EXPECT_FALSE(sock.isValid());
    EXPECT_EQ(fcntl(fd, F_GETFD), -1) << "the descriptor is closed";
    sock.close();  // twice is harmless
    EXPECT_FALSE(sock.isValid());
}

TEST(Socket, CloseForgetsADescriptorThatIsNoLongerThere)
{
    Socket sock;
    ASSERT_TRUE(sock.create());
    close(sock.getSOCKET());  // behind the socket's back
    EXPECT_TRUE(sock.isSockError());
    EXPECT_TRUE(sock.getSockError());
    sock.close();
    EXPECT_FALSE(sock.isValid());
}

TEST(Socket, CreateAgainClosesTheOldDescriptor)
{
    size_t uBefore = OpenDescriptorCount();
    {
        Socket sock;
        for (int i = 0; i < 5; ++i) {
            ASSERT_TRUE(sock.create());
        }
        EXPECT_EQ(OpenDescriptorCount(), uBefore + 1);
    }
    EXPECT_EQ(OpenDescriptorCount(), uBefore);
}

TEST(Socket, Options)
{
    Socket sock;
    ASSERT_TRUE(sock.create());

    struct LingerRow {
        tuint32 uTime;
        int nOnOff;
        int nLinger;
    };
    const LingerRow lingerRows[] = {{5, 1, 5}, {0, 0, 0}, {30, 1, 30}};
    for (const LingerRow& row : lingerRows) {
        SCOPED_TRACE(row.uTime);
        ASSERT_TRUE(sock.setLinger(row.uTime));
        linger ling;
        socklen_t uLen = sizeof(ling);
        ASSERT_EQ(getsockopt(sock.getSOCKET(), SOL_SOCKET, SO_LINGER, &ling, &uLen), 0);
        EXPECT_EQ(ling.l_onoff != 0, row.nOnOff != 0);
        if (row.nOnOff != 0) {
            EXPECT_EQ(ling.l_linger, row.nLinger);
        }
    }

    for (bool bOn : {true, false}) {
        SCOPED_TRACE(bOn);
        ASSERT_TRUE(sock.setReuseAddr(bOn));
        int nValue = -1;
        socklen_t uLen = sizeof(nValue);
        ASSERT_EQ(getsockopt(sock.getSOCKET(), SOL_SOCKET, SO_REUSEADDR, &nValue, &uLen), 0);
        EXPECT_EQ(nValue != 0, bOn);

        EXPECT_TRUE(sock.setNonBlocking(bOn));
        EXPECT_EQ((fcntl(sock.getSOCKET(), F_GETFL) & O_NONBLOCK) != 0, bOn);
        EXPECT_EQ(SocketAPI::getsocketnonblocking_ex(sock.getSOCKET()), bOn);
    }
    EXPECT_FALSE(FileAPI::getfilenonblocking_ex(ClosedFd()));
    EXPECT_EQ(FileAPI::availablefile_ex(ClosedFd()), 0u);

    Socket never;
    EXPECT_FALSE(never.setLinger(5)) << "no descriptor";
    EXPECT_FALSE(never.setReuseAddr(true));
}

TEST(Socket, ConnectAcceptAndTalkOverLoopback)
{
    ServerSocket server(0);
    tuint32 uPort = LocalPortOf(server.getSOCKET());
    ASSERT_NE(uPort, 0u);

    Socket client;
    ASSERT_TRUE(client.create());
    ASSERT_TRUE(client.connect("127.0.0.1", uPort));

    SocketProbe peer;
    ASSERT_TRUE(peer.create());  // accept closes what the socket held
    ASSERT_TRUE(server.accept(&peer));
    EXPECT_TRUE(peer.isValid());

    // The accepted socket knows the client's address.
    sockaddr_in clientAddr;
    socklen_t uLen = sizeof(clientAddr);
    ASSERT_EQ(getsockname(client.getSOCKET(), reinterpret_cast<sockaddr*>(&clientAddr), &uLen), 0);
    EXPECT_EQ(peer.Host(), "127.0.0.1");
    EXPECT_EQ(peer.Port(), static_cast<tuint32>(ntohs(clientAddr.sin_port)));

    EXPECT_EQ(client.send("ping", 4, MSG_NOSIGNAL), 4u);
    ASSERT_TRUE(WaitAvailable(peer, 4));
    EXPECT_EQ(peer.available(), 4u);
    char buf[8] = {};
    EXPECT_EQ(peer.receive(buf, sizeof(buf), 0), 4u);
    EXPECT_EQ(std::string(buf, 4), "ping");
    EXPECT_EQ(peer.send("pong", 4, MSG_NOSIGNAL), 4u);
    EXPECT_EQ(ReceiveExactly(client, 4), "pong");

    // Nothing pending on a non-blocking listener: false, and the text says why.
    ASSERT_TRUE(server.setNonBlocking(true));
    Socket none;
    EXPECT_FALSE(server.accept(&none));
    EXPECT_FALSE(none.isValid());
    EXPECT_STREQ(SocketAPI::getsocketerror_ex(), "EWOULDBLOCK");
    EXPECT_FALSE(server.accept(nullptr));
}

TEST(Socket, ConnectKeepsTheFirst23CharactersOfTheHost)
{
    ServerSocket server(0);
    tuint32 uPort = LocalPortOf(server.getSOCKET());
    // 30 characters; the address ends at the first blank, so the cut text still names loopback.
    const std::string strHost = "127.0.0.1              XXXXXXX";
    ASSERT_EQ(strHost.size(), 30u);

    SocketProbe client;
    ASSERT_TRUE(client.create());
    EXPECT_TRUE(client.connect(strHost.c_str(), uPort));
    EXPECT_EQ(client.Host(), "127.0.0.1              ");
    EXPECT_EQ(client.Host().size(), 23u);
    EXPECT_EQ(client.Port(), uPort);

    Socket other;
    EXPECT_FALSE(other.connect(nullptr, uPort)) << "no host text";
}

TEST(Socket, ConnectReadsTheHostAsInetAtonDoes)
{
    ServerSocket server(0);
    tuint32 uPort = LocalPortOf(server.getSOCKET());
    const struct {
        const char* host;
        bool ok;
    } rows[] = {
        {"127.0.0.1", true}, {"127.1", true}, {"0x7f.0.0.1", true}, {"0177.0.0.1", true}, {"2130706433", true},
        {"localhost", false}, {"", false}, {"127.0.0.256", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.host);
        SocketProbe client;
        ASSERT_TRUE(client.create());
        EXPECT_EQ(row.ok, client.connect(row.host, uPort));
        if (!row.ok) {
            // Refused before any attempt: the socket is still unconnected and usable.
            EXPECT_TRUE(client.connect("127.0.0.1", uPort));
        }
    }
}

TEST(ServerSocket, PortInUseThrowsTheInt1AndLeaksNothing)
{
    // A listener without SO_REUSEADDR holds the port.
    tint32 fdBusy = PlainListener(INADDR_ANY);
    tuint32 uPort = LocalPortOf(fdBusy);

    size_t uBefore = OpenDescriptorCount();
    int nThrown = 0;
    try {
        ServerSocket server(uPort);
        ADD_FAILURE() << "bound a port in use";
    } catch (int n) {
        nThrown = n;
    }
    EXPECT_EQ(nThrown, 1);
    EXPECT_EQ(OpenDescriptorCount(), uBefore) << "the half-built listener is released";
    close(fdBusy);
}
