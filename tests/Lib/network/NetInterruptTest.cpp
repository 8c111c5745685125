// A signal that interrupts a receive or a send is no reason to drop the connection.
// recv and send are replaced for this test binary: on the one descriptor a test arms,
// they fail with EINTR a given number of times, and otherwise pass through.

#include "LogDefine.h"
#include "LoopbackPeer.h"
#include "TempWorkDir.h"
#include "net_io.h"
#include "net_session.h"
#include "net_socket_option.h"
#include "net_stream_io.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <dlfcn.h>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int s_nArmedFd = -1;
int s_nRecvInterrupts = 0;
int s_nSendInterrupts = 0;

template <typename Fn>
Fn NextSymbol(const char* name) {
    return reinterpret_cast<Fn>(::dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" ssize_t recv(int fd, void* buf, size_t n, int flags) {
    static const auto s_real = NextSymbol<ssize_t (*)(int, void*, size_t, int)>("recv");
    if (fd == s_nArmedFd && s_nRecvInterrupts > 0) {
        --s_nRecvInterrupts;
        errno = EINTR;
        return -1;
    }
    return s_real(fd, buf, n, flags);
}

extern "C" ssize_t send(int fd, const void* buf, size_t n, int flags) {
    static const auto s_real = NextSymbol<ssize_t (*)(int, const void*, size_t, int)>("send");
    if (fd == s_nArmedFd && s_nSendInterrupts > 0) {
        --s_nSendInterrupts;
        errno = EINTR;
        return -1;
    }
    return s_real(fd, buf, n, flags);
}

namespace {

class NetInterruptTest : public ::testing::Test {
protected:
    void SetUp() override {
        gSNetLogSink.Flush();
        m_dir.reset(new TempWorkDir());
        ASSERT_EQ(0, ::socketpair(AF_UNIX, SOCK_STREAM, 0, m_fd));
        ASSERT_TRUE(NSNet::setSocketNonBlock(m_fd[0]));
        NSNet::CProtocolSession prototype(&unit);
        NSNet::CStreamIo* io = new NSNet::CStreamIo(m_fd[0], prototype.clone());
        ASSERT_EQ(io, static_cast<NSNet::INetIoAgent&>(unit).m_pINetIo->registerEvent(io, true, true));
        s_nArmedFd = m_fd[0];
    }
    void TearDown() override {
        s_nArmedFd = -1;
        s_nRecvInterrupts = 0;
        s_nSendInterrupts = 0;
        ::close(m_fd[1]);
    }

    std::unique_ptr<TempWorkDir> m_dir;
    nettest::RecordingUnit unit;
    int m_fd[2] = {-1, -1};
};

typedef std::vector<std::string> Events;

} // namespace

TEST_F(NetInterruptTest, InterruptedReceiveIsRetried) {
    const std::string frame = nettest::Frame(6, "abc");
    ASSERT_EQ(static_cast<ssize_t>(frame.size()), ::write(m_fd[1], frame.data(), frame.size()));
    s_nRecvInterrupts = 2;
    unit.tick();
    EXPECT_EQ(0, s_nRecvInterrupts);
    EXPECT_EQ((Events{"add 1", "frame 1 6 9"}), unit.events);
}

TEST_F(NetInterruptTest, InterruptedSendIsRetried) {
    const NSNet::BuffType bytes[5] = {'h', 'e', 'l', 'l', 'o'};
    ASSERT_EQ(0, unit.send(1, bytes, 5));
    s_nSendInterrupts = 2;
    unit.tick();
    EXPECT_EQ(0, s_nSendInterrupts);
    EXPECT_EQ((Events{"add 1"}), unit.events);
    char got[8] = {};
    EXPECT_EQ(5, ::read(m_fd[1], got, sizeof(got)));
    EXPECT_EQ("hello", std::string(got, 5));
}
