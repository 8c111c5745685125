// HTTP sessions on a unit's HTTP listener, driven by plain loopback client sockets:
// requests reach process whole and in order, answers go back, bad input closes.

#include "LogDefine.h"
#include "LoopbackPeer.h"
#include "TempWorkDir.h"
#include "net_http_data.h"
#include "net_io.h"
#include "net_session.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cstring>
#include <functional>
#include <memory>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

using nettest::PumpUntil;
using NSNet::SessionId;

namespace {

typedef std::vector<std::string> Events;

// An HTTP unit on a reactor it does not own. Records "add <id>", "delete <id>",
// "abort <id> 0x<reason>" and "http <id> <url> <body>", and answers every request with
// "path=<path>" unless the hook decides process's result first.
class HttpUnit : public NSNet::INetUnit {
public:
    typedef std::function<tuint32(const NSNet::CHttpRequest&)> Hook;

    explicit HttpUnit(NSNet::INetIo* reactor) : NSNet::INetUnit(reactor) {}

    using NSNet::INetUnit::process;

    int onAddSession(SessionId sid) override {
        events.push_back("add " + std::to_string(sid));
        return 0;
    }
    int onDeleteSession(SessionId sid) override {
        events.push_back("delete " + std::to_string(sid));
        return 0;
    }
    int onAbortSession(SessionId sid, int reason) override {
        char sz[32];
        std::snprintf(sz, sizeof(sz), "0x%x", static_cast<unsigned>(reason));
        events.push_back("abort " + std::to_string(sid) + " " + sz);
        return 0;
    }
    std::string identification() const override { return "HttpUnit"; }
    void log(const NSNet::BuffType* data, tuint32 size) override {
        logged.push_back(std::string(reinterpret_cast<const char*>(data), size));
    }
    tuint32 process(SessionId sid, const NSNet::CHttpRequest& request) override {
        const NSNet::CNetBufferTH& body = request.getPostData();
        events.push_back("http " + std::to_string(sid) + " " + request.getUrl() + " " +
                         std::string(reinterpret_cast<const char*>(body.begin()), body.size()));
        if (hook) {
            const tuint32 result = hook(request);
            if (result != 0) {
                return result;
            }
        }
        NSNet::CNetBufferTH out(0);
        NSNet::CHttpResponse(true).generate(out, "path=" + request.getPath(), nullptr, 200);
        return send(sid, out.begin(), out.size()) == 0 ? 0 : 99;
    }

    // Listens on 127.0.0.1 at a port the system picks; that port, 0 when not listening.
    tuint16 Listen(tuint32 buffsize = 0) {
        NSNet::SocketInfo info;
        info.address = "127.0.0.1";
        info.port = 0;
        return httpServer(&info, buffsize) ? nettest::ListenerPort(m_vecListener) : 0;
    }

    Events events;
    std::vector<std::string> logged;
    Hook hook;
};

// A plain blocking client socket; reads without blocking.
class Client {
public:
    explicit Client(tuint16 port) : m_fd(::socket(AF_INET, SOCK_STREAM, 0)), m_bEof(false) {
        sockaddr_in addr;
        std::memset(&addr, 0, sizeof(addr));
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        addr.sin_port = htons(port);
        if (m_fd >= 0 && ::connect(m_fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~Client() { Close(); }
    bool Connected() const { return m_fd >= 0; }
    // Small writes only: the server is not ticked meanwhile.
    bool Send(const std::string& bytes) {
        return m_fd >= 0 && ::send(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(bytes.size());
    }
    // Reads what is waiting into received; false once the server has closed.
    bool ReadAvailable() {
        char buf[4096];
        for (;;) {
            const ssize_t got = ::recv(m_fd, buf, sizeof(buf), MSG_DONTWAIT);
            if (got > 0) {
                received.append(buf, static_cast<size_t>(got));
                continue;
            }
            if (got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
                m_bEof = true;
            }
            return !m_bEof;
        }
    }
    bool SawEof() const { return m_bEof; }
    void Close() {
        if (m_fd >= 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }

    std::string received;

private:
    int m_fd;
    bool m_bEof;
};

std::string Answer(const std::string& path) {
    const std::string content = "path=" + path;
    return "HTTP/1.1 200 OK\r\nServer: my_httpd\r\nContent-Type: text/html; charset=UTF-8\r\n"
           "Connection: Keep-Alive\r\nContent-Length: " +
           std::to_string(content.size()) + "\r\n\r\n" + content;
}

class HttpServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir.reset(new TempWorkDir());
        unit.reset(new HttpUnit(agent.m_pINetIo));
    }

    // Connects a client and ticks until the unit has its session; that session's id.
    SessionId Accept(Client& client) {
        EXPECT_TRUE(client.Connected());
        const size_t before = unit->sessionCount();
        EXPECT_TRUE(PumpUntil(agent, [&] { return unit->sessionCount() > before; }));
        return unit->events.empty() ? 0 : static_cast<SessionId>(std::stoul(unit->events.back().substr(4)));
    }

    bool PumpUntilReceived(Client& client, const std::string& text) {
        return PumpUntil(agent, [&] {
            client.ReadAvailable();
            return client.received.size() >= text.size();
        });
    }

    bool PumpUntilEof(Client& client) {
        return PumpUntil(agent, [&] { return !client.ReadAvailable(); });
    }

    std::unique_ptr<TempWorkDir> m_dir;
    NSNet::INetIoAgent agent;
    std::unique_ptr<HttpUnit> unit;
};

TEST_F(HttpServerTest, RequestsAreServedWholeInOrderAndAnswered) {
    const tuint16 port = unit->Listen();
    ASSERT_NE(0, port);
    Client client(port);
    // The listener's prototype drew id 1: the first accepted session is 2.
    ASSERT_EQ(2u, Accept(client));

    const std::string get = "GET /a?x=1 HTTP/1.1\r\nHost: h\r\n\r\n";
    ASSERT_TRUE(client.Send(get));
    std::string expected = Answer("/a");
    ASSERT_TRUE(PumpUntilReceived(client, expected));
    EXPECT_EQ(expected, client.received);
    ASSERT_EQ(1u, unit->logged.size());
    EXPECT_EQ(get, unit->logged[0]);

    // A request cut in pieces, the first inside the method, waits for its last byte.
    const std::string post = "POST /p HTTP/1.1\r\nContent-Length: 4\r\n\r\nbody";
    for (size_t from = 0; from < post.size(); from += 3) {
        ASSERT_TRUE(client.Send(post.substr(from, 3)));
        for (int i = 0; i < 5; ++i) {
            agent.tick();
            ::poll(nullptr, 0, 2);
        }
    }
    expected += Answer("/p");
    ASSERT_TRUE(PumpUntilReceived(client, expected));
    EXPECT_EQ(expected, client.received);

    // Back to back in one write: each is served, the favicon request consumed unanswered.
    ASSERT_TRUE(client.Send("GET /b HTTP/1.1\r\n\r\nGET /favicon.ico HTTP/1.1\r\n\r\nGET /c HTTP/1.1\r\n\r\n"));
    expected += Answer("/b") + Answer("/c");
    ASSERT_TRUE(PumpUntilReceived(client, expected));
    EXPECT_EQ(expected, client.received);
    EXPECT_EQ((Events{"add 2", "http 2 /a?x=1 ", "http 2 /p body", "http 2 /b ", "http 2 /c "}), unit->events);

    // The client leaves: the session is closed and removed.
    client.Close();
    ASSERT_TRUE(PumpUntil(agent, [&] { return unit->sessionCount() == 0; }));
    EXPECT_EQ("abort 2 0x10000", unit->events[unit->events.size() - 2]);
    EXPECT_EQ("delete 2", unit->events.back());
}

TEST_F(HttpServerTest, BadRequestsCloseTheSessionWithTheirReason) {
    const tuint16 port = unit->Listen();
    ASSERT_NE(0, port);
    const std::pair<const char*, const char*> rows[] = {
        {"PUT / HTTP/1.1\r\n\r\n", "0x50001"},
        {"GET / HTTP/1.1\r\nHost:h\r\n\r\n", "0x5001f"},
        {"GET /?a HTTP/1.1\r\n\r\n", "0x5000b"},
        {"POST / HTTP/1.1\r\nContent-Length: 2049\r\n\r\n", "0x50067"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.first);
        Client client(port);
        const SessionId sid = Accept(client);
        ASSERT_NE(0u, sid);
        ASSERT_TRUE(client.Send(row.first));
        ASSERT_TRUE(PumpUntilEof(client));
        ASSERT_TRUE(PumpUntil(agent, [&] { return unit->events.back() == "delete " + std::to_string(sid); }));
        const Events tail(unit->events.end() - 2, unit->events.end());
        EXPECT_EQ((Events{"abort " + std::to_string(sid) + " " + row.second, "delete " + std::to_string(sid)}), tail);
        EXPECT_TRUE(client.received.empty());
    }
}

TEST_F(HttpServerTest, ProcessRefusingOrThrowingClosesTheSession) {
    const tuint16 port = unit->Listen();
    ASSERT_NE(0, port);
    unit->hook = [](const NSNet::CHttpRequest& request) -> tuint32 {
        if (request.getPath() == "/throw") {
            throw std::runtime_error("refused");
        }
        return request.getPath() == "/seven" ? 7 : 0;
    };
    const std::pair<const char*, const char*> rows[] = {
        {"GET /seven HTTP/1.1\r\n\r\nGET /after HTTP/1.1\r\n\r\n", "0x50007"},
        {"GET /throw HTTP/1.1\r\n\r\n", "0x50000"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.first);
        Client client(port);
        const SessionId sid = Accept(client);
        testing::internal::CaptureStdout();
        ASSERT_TRUE(client.Send(row.first));
        const bool bClosed = PumpUntilEof(client);
        const std::string output = testing::internal::GetCapturedStdout();
        ASSERT_TRUE(bClosed);
        // Only the exception is told on standard output, without a line end.
        EXPECT_EQ(row.second == std::string("0x50000") ? "http session exception : refused" : "", output);
        ASSERT_TRUE(PumpUntil(agent, [&] { return unit->events.back() == "delete " + std::to_string(sid); }));
        // Nothing behind the refused request is served.
        const std::string path = row.first + 4;
        const Events tail(unit->events.end() - 3, unit->events.end());
        EXPECT_EQ((Events{"http " + std::to_string(sid) + " " + path.substr(0, path.find(' ')) + " ",
                          "abort " + std::to_string(sid) + " " + row.second, "delete " + std::to_string(sid)}),
                  tail);
    }
}

TEST(HttpSessionLog, TheUnitLogsEachReceiveOnceWhateverItHolds) {
    TempWorkDir dir;
    HttpUnit unit(nullptr);
    NSNet::CHttpSession session(&unit);
    unit.addSession(0, &session); // under its id (a prototype has 0), so that answers can be queued
    auto receive = [&](const std::string& bytes) {
        ASSERT_EQ(0, session.getInputBuffer().push(reinterpret_cast<const NSNet::BuffType*>(bytes.data()),
                                                   static_cast<int>(bytes.size())));
        session.onRecv();
    };
    // Three whole requests and the start of a fourth in one receive: one log of all of
    // it; the next receive completes the fourth and is logged with it.
    const std::string first = "GET /b HTTP/1.1\r\n\r\nGET /favicon.ico HTTP/1.1\r\n\r\nGET /c HTTP/1.1\r\n\r\nGET /d";
    receive(first);
    EXPECT_EQ((std::vector<std::string>{first}), unit.logged);
    receive(" HTTP/1.1\r\n\r\n");
    EXPECT_EQ((std::vector<std::string>{first, "GET /d HTTP/1.1\r\n\r\n"}), unit.logged);
    EXPECT_EQ((Events{"add 0", "http 0 /b ", "http 0 /c ", "http 0 /d "}), unit.events);
    EXPECT_TRUE(session.getInputBuffer().empty());
    unit.popSession(0);
    gSNetLogSink.Flush(); // the session lines go to this test's folder
}

TEST_F(HttpServerTest, RequestThatCannotFitTheInputBufferCloses) {
    const tuint16 port = unit->Listen(256);
    ASSERT_NE(0, port);
    Client client(port);
    const SessionId sid = Accept(client);
    // 300 bytes of one header line never end inside a 256-byte buffer.
    ASSERT_TRUE(client.Send("GET / HTTP/1.1\r\nX: " + std::string(300, 'x')));
    ASSERT_TRUE(PumpUntilEof(client));
    ASSERT_TRUE(PumpUntil(agent, [&] { return unit->sessionCount() == 0; }));
    EXPECT_EQ((Events{"add " + std::to_string(sid), "abort " + std::to_string(sid) + " 0x18000",
                      "delete " + std::to_string(sid)}),
              unit->events);
}

TEST_F(HttpServerTest, OnlyHttpListenersAndNoCallsAfterTheUnitIsGone) {
    NSNet::SocketInfo info;
    info.address = "127.0.0.1";
    info.port = 0;
    info.type = NSNet::SocketType_TCP;
    EXPECT_FALSE(unit->httpServer(&info, 0));
    EXPECT_FALSE(unit->httpServer(nullptr, 0));

    const tuint16 port = unit->Listen();
    ASSERT_NE(0, port);
    Client client(port);
    Accept(client);
    unit.reset();
    // The reactor outlives the unit: the session reports to nobody, closes, and the
    // listener stops.
    client.Send("GET /late HTTP/1.1\r\n\r\n");
    EXPECT_TRUE(PumpUntilEof(client));
    EXPECT_TRUE(client.received.empty());
    Client late(port);
    EXPECT_FALSE(late.Connected());
}

} // namespace
