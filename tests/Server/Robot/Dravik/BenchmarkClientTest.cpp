// The benchmark client in this process against the stand-in agent: connection, the
// registration frame, the agent's DA_REGIST turned into GUIDs, the creation burst, and
// the registration replies that lack something. The client is pumped by hand here (no
// worker thread), through its public RunPass, Tick, CheckNet and process.

#include "AD_PBMessage.pb.h"
#include "Benchmark.h"
#include "BenchmarkConfig.h"
#include "LogDefine.h"
#include "LoopbackPeer.h"
#include "PlayerRequests.h"
#include "RobotHarness.h"
#include "StandInAgent.h"
#include "TcpClient.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <thread>
#include <vector>

using NSAgent::AgentOptions;
using NSAgent::Fault;
using NSAgent::RecordedFrame;
using NSAgent::StandInAgent;

namespace {

// When a connect attempt was made: within the pass from fEarliest to fLatest, in seconds
// from the start.
struct Attempt {
    double fEarliest;
    double fLatest;
};

class ClientTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Every kind off: only the creations of the registration burst are sent.
        SetIntervals(-1, -1, -1);
    }

    void StartAgent(AgentOptions opts)
    {
        opts.bRecord = true;
        opts.bPrint = false;
        m_agent.reset(new StandInAgent(opts));
        std::string err;
        ASSERT_TRUE(m_agent->Start(err)) << err;
    }

    ServerConfig Cfg(int players, const std::string& prefix) const { return CfgAt(m_agent->Port(), players, prefix); }
    static ServerConfig CfgAt(uint16_t port, int players, const std::string& prefix)
    {
        ServerConfig cfg;
        cfg.dbServerHost = "127.0.0.1";
        cfg.dbServerPort = static_cast<tint16>(port);
        cfg.playerNum = static_cast<tint16>(players);
        cfg.accPrefix = prefix;
        return cfg;
    }

    // The intervals of the three kinds (-1 switches a kind off).
    void SetIntervals(int nCreate, int nSave, int nLoad)
    {
        // The clients here take their servers from the tests; a file names one all the same.
        m_dir.WriteFile("XmlConfig/benchmark_config.xml",
                        "<r><benchmark serverid=\"1\" dbserverhost=\"127.0.0.1\" dbserverport=\"1\" accprefix=\"c\"/>"
                        "<test type=\"createchar\" interval=\"" + std::to_string(nCreate) +
                            "\"/><test type=\"usersave\" interval=\"" + std::to_string(nSave) +
                            "\"/><test type=\"userload\" interval=\"" + std::to_string(nLoad) + "\"/></r>");
        BenchmarkConfig::getInstance().Load();
    }

    // Runs the client's worker passes until pred holds or the time is up.
    static bool Pump(Benchmark& b, const std::function<bool()>& pred, std::chrono::milliseconds timeout = kPatience)
    {
        auto deadline = std::chrono::steady_clock::now() + timeout;
        while (!pred()) {
            if (std::chrono::steady_clock::now() >= deadline) {
                return false;
            }
            b.RunPass();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

    size_t Count(uint16_t pid) const { return FramesOf(m_agent->Frames(), pid).size(); }

    // The client's connect attempts towards a loopback peer that treats each connection it
    // accepts (the one before is closed then) with onAccept, between the client's passes.
    std::vector<Attempt> AttemptsAgainstAPeer(const std::function<void(nettest::LoopbackPeer&)>& onAccept);

    TempWorkDir m_dir;
    std::unique_ptr<StandInAgent> m_agent;
};

// A client that also notes the packet id and size of every frame it receives.
class NotingBenchmark : public Benchmark {
public:
    unsigned process(NSNet::SessionId sid, const NSNet::BuffType* buff, unsigned protoId, unsigned size) override
    {
        received.push_back({protoId, size});
        return Benchmark::process(sid, buff, protoId, size);
    }
    std::vector<std::pair<unsigned, unsigned>> received;
};

// Appends the whole frames of a byte stream from offset rAt on (packet id and frame,
// header included); rAt moves past them.
void CutFrames(const std::string& bytes, size_t& rAt, std::vector<std::pair<uint16_t, std::string>>& out)
{
    size_t& at = rAt;
    while (bytes.size() - at >= 6) {
        const size_t len = (size_t(uint8_t(bytes[at])) << 24) | (size_t(uint8_t(bytes[at + 1])) << 16) |
                           (size_t(uint8_t(bytes[at + 2])) << 8) | uint8_t(bytes[at + 3]);
        if (len < 6 || bytes.size() - at < len) {
            break;
        }
        out.push_back({uint16_t((uint8_t(bytes[at + 4]) << 8) | uint8_t(bytes[at + 5])), bytes.substr(at, len)});
        at += len;
    }
}

// A request's player, from the account a frame names: a load names the prefix and the
// index, a creation or save the record's account, which carries the ten digits of its
// creation time behind them. -1 for a frame of another kind or account.
int PlayerOf(uint16_t pid, const std::string& frame, const std::string& prefix)
{
    std::string account;
    NSAgent::RecordedFrame f;
    f.bHasBody = true;
    f.strFrame = frame;
    if (pid == 4) {
        AD_USERSAVE save;
        if (!ParseBody(f, save) || save.userdata().ubdata().size() < 80) {
            return -1;
        }
        account = save.userdata().ubdata().c_str();
        if (account.size() <= 10) {
            return -1;
        }
        account.resize(account.size() - 10);
    } else if (pid == 6) {
        AD_USERLOAD load;
        if (!ParseBody(f, load)) {
            return -1;
        }
        account = load.account();
    } else {
        return -1;
    }
    if (account.compare(0, prefix.size(), prefix) != 0 || account.size() == prefix.size() ||
        account.find_first_not_of("0123456789", prefix.size()) != std::string::npos) {
        return -1;
    }
    return std::stoi(account.substr(prefix.size()));
}

bool IsCreation(uint16_t pid, const std::string& frame)
{
    return pid == 4 && frame.size() < 20000; // a creation is 10 KB, a save 70 KB
}

// The DA_REGIST frame that names GUID types 0, 1 and 2.
std::string RegistAnswer()
{
    DA_REGIST rep;
    rep.set_serverid(1);
    rep.set_taskbegintime(0);
    for (int t = 0; t < 3; ++t) {
        rep.add_guidtype(t);
        rep.add_serial(uint32_t(1000 * (t + 1)));
        rep.add_carry(0);
    }
    return nettest::Frame(2, rep.SerializeAsString());
}

size_t CountOf(const std::string& text, const std::string& what)
{
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

// Initialises the client with cfg and runs its worker passes for 3.3 s, serving its peer
// between them. The attempts are read from the network log, which gets one line for each:
// a refused connect's error, or the new session.
std::vector<Attempt> AttemptTimes(Benchmark& bench, const ServerConfig& cfg, const TempWorkDir& dir,
                                  const std::function<void()>& serve)
{
    const auto t0 = std::chrono::steady_clock::now();
    auto seconds = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count(); };
    bench.Init(1, cfg);
    Attempt pass = {0, seconds()}; // the last pass, Init's connect first
    std::vector<Attempt> attempts;
    for (;;) {
        gSNetLogSink.Flush();
        const std::string log = dir.ReadLogs("SNet.");
        const size_t n = CountOf(log, "[CActiveIo::connect_ex] error") + CountOf(log, "[ISessionManager::addSession]");
        while (attempts.size() < n) {
            attempts.push_back(pass);
        }
        if (seconds() >= 3.3) {
            return attempts;
        }
        serve();
        pass.fEarliest = seconds();
        bench.RunPass();
        pass.fLatest = seconds();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// Attempts start one second apart: the first at once, each later one at least one and at
// most two seconds after the one before, measured so that slow passes cannot fail a sound
// client.
void ExpectOncePerSecond(const std::vector<Attempt>& attempts)
{
    ASSERT_GE(attempts.size(), 3u) << "fewer than three attempts in 3.3 s";
    EXPECT_EQ(0, attempts[0].fEarliest);
    for (size_t i = 1; i < attempts.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_GE(attempts[i].fLatest - attempts[i - 1].fEarliest, 1.0);
        EXPECT_LE(attempts[i].fEarliest - attempts[i - 1].fLatest, 2.0);
    }
}

} // namespace

std::vector<Attempt> ClientTest::AttemptsAgainstAPeer(const std::function<void(nettest::LoopbackPeer&)>& onAccept)
{
    nettest::LoopbackPeer peer;
    Benchmark bench;
    return AttemptTimes(bench, CfgAt(peer.Port(), 0, "a"), m_dir, [&] {
        while (peer.Accept(0)) {
            onAccept(peer);
        }
    });
}

TEST_F(ClientTest, ARefusedConnectIsRetriedOnceASecond)
{
    const uint16_t port = UnusedPort();
    Benchmark bench;
    const std::vector<Attempt> attempts = AttemptTimes(bench, CfgAt(port, 0, "a"), m_dir, [] {});
    EXPECT_FALSE(bench.IsConnected());
    ExpectOncePerSecond(attempts);
    EXPECT_EQ("TcpClient", bench.identification());

    // Once the agent is up, the next attempt connects.
    AgentOptions opts;
    opts.nPort = port;
    StartAgent(opts);
    const auto t0 = std::chrono::steady_clock::now();
    ASSERT_TRUE(Pump(bench, [&] { return bench.IsConnected(); }));
    EXPECT_LE(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(2000));
}

TEST_F(ClientTest, APeerThatClosesAtOnceIsReconnectedOnceASecond)
{
    size_t nAccepted = 0;
    const std::vector<Attempt> attempts = AttemptsAgainstAPeer([&](nettest::LoopbackPeer& peer) {
        ++nAccepted;
        peer.Close();
    });
    ExpectOncePerSecond(attempts);
    EXPECT_EQ(attempts.size(), nAccepted);
}

TEST_F(ClientTest, APeerThatAnnouncesAnOversizedFrameIsReconnectedOnceASecond)
{
    // The connection stays open on the peer's side: only the client's refusal ends it.
    size_t nAccepted = 0;
    const std::vector<Attempt> attempts = AttemptsAgainstAPeer([&](nettest::LoopbackPeer& peer) {
        ++nAccepted;
        EXPECT_TRUE(peer.Send(std::string("\x7F\xFF\xFF\xFF\x00\x02", 6)));
    });
    ExpectOncePerSecond(attempts);
    EXPECT_EQ(attempts.size(), nAccepted);
    EXPECT_NE(std::string::npos, m_dir.ReadLogs("SNet.").find("frame too long"));
}

TEST_F(ClientTest, AConnectionUpLongerThanASecondIsRetriedAtOnceWhenItDrops)
{
    nettest::LoopbackPeer peer;
    Benchmark bench;
    ASSERT_TRUE(bench.Init(1, CfgAt(peer.Port(), 0, "u")));
    ASSERT_TRUE(peer.Accept());
    Pump(bench, [] { return false; }, std::chrono::milliseconds(1200));
    ASSERT_TRUE(bench.IsConnected());
    peer.Close();
    const auto t0 = std::chrono::steady_clock::now();
    ASSERT_TRUE(Pump(bench, [&] { return !bench.IsConnected(); }));
    ASSERT_TRUE(Pump(bench, [&] { return bench.IsConnected(); }));
    EXPECT_LE(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(500));
}

TEST_F(ClientTest, RegistersAndCreatesThreePlayers)
{
    AgentOptions opts;
    opts.aSerial[0] = 1000;
    opts.aCarry[0] = 1;
    StartAgent(opts);
    Benchmark bench;
    ASSERT_TRUE(bench.Init(1, Cfg(3, "p")));
    EXPECT_EQ("TcpClient", bench.identification());
    ASSERT_TRUE(Pump(bench, [&] { return Count(4) >= 3; }));

    std::vector<RecordedFrame> frames = m_agent->Frames();
    ASSERT_FALSE(frames.empty());
    const std::string kRegist("\x00\x00\x00\x0E\x00\x01\x08\x01\x10\x00\x10\x01\x10\x02", 14);
    EXPECT_EQ(kRegist, frames[0].strFrame);

    std::vector<RecordedFrame> creations = FramesOf(frames, 4);
    ASSERT_EQ(3u, creations.size());
    // Players 0, 1, 2 in this order draw the character serials 1000, 1001, 1002 of world 1.
    const uint64_t kGuids[3] = {0x00010001000003E8ull, 0x00010001000003E9ull, 0x00010001000003EAull};
    const char* kAccounts[3] = {"p0", "p1", "p2"};
    std::set<std::string> accounts;
    for (size_t i = 0; i < creations.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(10226u, creations[i].nSize);
        AD_USERSAVE save;
        ASSERT_TRUE(ParseBody(creations[i], save));
        EXPECT_EQ(1, save.savetype());
        const AD_USER_DATA& d = save.userdata();
        ASSERT_EQ(3287u, d.ubdata().size());
        EXPECT_EQ(3446u, d.ubdataex1().size());
        EXPECT_EQ(1864u, d.ubdataex2().size());
        EXPECT_EQ(1544u, d.ubdataex3().size());
        EXPECT_EQ(0, d.itemdata_size());
        EXPECT_EQ(0, d.emialdata_size());
        EXPECT_FALSE(d.has_matchdata());
        // Account name at offset 0 (80 bytes), the character GUID at offset 80.
        std::string acc(d.ubdata().c_str());
        EXPECT_EQ(kGuids[i], LE64(d.ubdata(), 80));
        ASSERT_GT(acc.size(), 2u);
        EXPECT_EQ(kAccounts[i], acc.substr(0, 2));
        EXPECT_EQ(std::string::npos, acc.find_first_not_of("0123456789", 2)) << acc;
        accounts.insert(acc.substr(0, 2));
        // The head of a new scrap card: its charGuid, then zero bytes.
        ASSERT_EQ(60u, d.scrapcard().size());
        EXPECT_EQ(kGuids[i], LE64(d.scrapcard(), 0));
        EXPECT_EQ(std::string(52, '\0'), d.scrapcard().substr(8));
    }
    EXPECT_EQ(3u, accounts.size());
}

TEST_F(ClientTest, GuidsFollowTheReplyWhateverItsOrder)
{
    // The reply is made by hand: types in the order 2, 0, 1, a type 7, a repeated type 0,
    // a carry of 300 (low 8 bits: 44) and a server id above 65535 (world: its low 16 bits).
    AgentOptions opts;
    opts.eFault = Fault::NoReply;
    StartAgent(opts);
    Benchmark bench;
    ASSERT_TRUE(bench.Init(65536 + 7, Cfg(1, "g")));
    ASSERT_TRUE(Pump(bench, [&] { return Count(1) == 1; }));

    DA_REGIST rep;
    rep.set_serverid(7);
    rep.set_taskbegintime(0);
    const int32_t types[] = {2, 0, 1, 7, 0};
    const uint32_t serials[] = {500, 10, 2000, 9, 99999};
    const uint32_t carries[] = {3, 300, 5, 1, 1};
    for (int i = 0; i < 5; ++i) {
        rep.add_guidtype(types[i]);
        rep.add_serial(serials[i]);
        rep.add_carry(carries[i]);
    }
    std::string frame(6, '\0');
    rep.AppendToString(&frame);
    frame[3] = char(frame.size());
    frame[5] = 2;
    EXPECT_EQ(0u, bench.process(1, reinterpret_cast<const NSNet::BuffType*>(frame.data()), 2, unsigned(frame.size())));
    ASSERT_TRUE(Pump(bench, [&] { return Count(4) == 1; }));

    AD_USERSAVE save;
    ASSERT_TRUE(ParseBody(FramesOf(m_agent->Frames(), 4)[0], save));
    EXPECT_EQ(0x0007002C0000000Aull, LE64(save.userdata().ubdata(), 80));

    // The player drew 1 character, 228 item and 30 e-mail GUIDs: the next ones follow.
    EXPECT_EQ(0x0007002C0000000Bull, bench.GenCharGuid());
    EXPECT_EQ(0x00070105000008B4ull, bench.GenItemGuid());  // serial 2000 + 228
    EXPECT_EQ(0x0007020300000212ull, bench.GenEmailGuid()); // serial 500 + 30
}

TEST_F(ClientTest, IncompleteRegistrationRepliesLeaveTheClientUnregistered)
{
    struct Row {
        const char* name;
        Fault fault;
        const char* expected;
    } rows[] = {
        {"type 2 missing", Fault::MissingType, "lacks GUID type 2"},
        {"serial list short", Fault::ShortSerial, "lacks GUID type 2"},
        {"empty body", Fault::EmptyBody, "lacks GUID type 0, 1, 2"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        AgentOptions opts;
        opts.eFault = r.fault;
        StartAgent(opts);
        Benchmark bench;
        testing::internal::CaptureStdout();
        ASSERT_TRUE(bench.Init(1, Cfg(2, "m")));
        // Once the reply has been handled (the report is in the assert log), nothing follows.
        bool reported = Pump(bench, [&] { return m_dir.ReadLogs("assert.").find(r.expected) != std::string::npos; });
        Pump(bench, [] { return false; }, std::chrono::milliseconds(200));
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_TRUE(reported);
        EXPECT_NE(std::string::npos, out.find("Verify")) << out;
        EXPECT_NE(std::string::npos, out.find(r.expected)) << out;
        EXPECT_EQ(1u, Count(1));
        EXPECT_EQ(0u, Count(4));
        EXPECT_EQ(0u, Count(6));
        m_agent.reset();
        // A fresh assert log for the next row.
        for (const auto& e : std::filesystem::directory_iterator(m_dir.LogDir())) {
            std::filesystem::remove(e.path());
        }
    }
}

TEST_F(ClientTest, ReRegistrationKeepsGeneratorsAndPlayers)
{
    StartAgent(AgentOptions());
    Benchmark bench;
    ASSERT_TRUE(bench.Init(1, Cfg(2, "r")));
    ASSERT_TRUE(Pump(bench, [&] { return Count(4) == 2; }));
    const uint64_t nextBefore = bench.GenCharGuid();

    m_agent->CloseConnections();
    ASSERT_TRUE(Pump(bench, [&] { return Count(1) == 2; })); // registered again on a new connection
    // Let the second DA_REGIST be handled: no second Init (which would throw), no new burst.
    EXPECT_NO_THROW(Pump(bench, [] { return false; }, std::chrono::milliseconds(300)));
    EXPECT_EQ(2u, Count(4));
    EXPECT_EQ(nextBefore + 1, bench.GenCharGuid());
    std::vector<RecordedFrame> regs = FramesOf(m_agent->Frames(), 1);
    EXPECT_LT(regs[0].nConn, regs[1].nConn);
}

TEST_F(ClientTest, SendQueuesHeaderAndBodyAndOutputRoomCountsThem)
{
    AgentOptions opts;
    opts.eFault = Fault::NoReply;
    StartAgent(opts);
    TcpClient client;
    EXPECT_EQ(0u, client.OutputRoom()); // no session: every frame would be dropped
    ASSERT_TRUE(client.Connect("127.0.0.1", static_cast<tint16>(m_agent->Port())));
    const tuint32 room = client.OutputRoom();
    EXPECT_EQ(64u * 1024 * 1024 - 1, room); // the output buffer's bound less its free byte

    // A 100-byte body: UserType (2 bytes) and an account of 96 characters (98 bytes).
    AD_USERLOAD msg;
    msg.set_usertype(1);
    msg.set_account(std::string(96, 'a'));
    ASSERT_EQ(100u, msg.ByteSizeLong());
    EXPECT_EQ(0, client.Send(4, msg));
    EXPECT_EQ(room - 106, client.OutputRoom());
    ASSERT_TRUE(StandInAgent::WaitUntil(
        [&] {
            client.Tick();
            return m_agent->FrameCount() == 1;
        },
        kPatience));
    EXPECT_EQ(room, client.OutputRoom());
    const RecordedFrame f = m_agent->Frames()[0];
    EXPECT_EQ(std::string("\x00\x00\x00\x6A\x00\x04", 6) + msg.SerializeAsString(), f.strFrame);
}

TEST_F(ClientTest, ADroppedRequestIsReportedOncePerConnection)
{
    // A peer that never accepts: nothing leaves the output buffer, which fills to its bound.
    int listener = socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof(sa);
    ASSERT_EQ(0, bind(listener, reinterpret_cast<sockaddr*>(&sa), len));
    ASSERT_EQ(0, listen(listener, 4));
    ASSERT_EQ(0, getsockname(listener, reinterpret_cast<sockaddr*>(&sa), &len));
    const uint16_t port = ntohs(sa.sin_port);

    TcpClient client;
    ASSERT_TRUE(client.Connect("127.0.0.1", static_cast<tint16>(port)));
    AD_USERLOAD big;
    big.set_usertype(1);
    big.set_account(std::string(4 * 1024 * 1024, 'a'));
    int queued = 0;
    while (queued < 64 && client.Send(6, big) == 0) {
        ++queued;
    }
    EXPECT_EQ(15, queued); // 15 frames of just over 4 MiB fit below the 64 MiB bound
    EXPECT_EQ(-11, client.Send(6, big));
    client.ReportDropped(); // as a player does when it skips a request that would not fit
    const std::string expected = "agent 127.0.0.1:" + std::to_string(port) + ": the output buffer is full";
    const std::string log = m_dir.ReadLogs("assert.");
    const size_t first = log.find(expected);
    ASSERT_NE(std::string::npos, first) << log;
    EXPECT_EQ(std::string::npos, log.find(expected, first + 1)); // once for this connection
    EXPECT_TRUE(client.IsConnected());
    close(listener);
}

TEST_F(ClientTest, LoadAnswersAbove64KiBKeepTheConnection)
{
    // What an agent answers to a load once the character is saved: DA_USERLOAD with the
    // whole AD_USER_DATA of a save, about 71 KB, more than the 65536-byte input buffer.
    PlayerRequests requests;
    std::unique_ptr<DBFullUserData> record = PlayerRecord(0x0001000000000010ull, 228, 256, 0, 30);
    DA_USERLOAD answer;
    answer.set_usertype(1);
    answer.set_result(0);
    answer.set_account("u0");
    *answer.mutable_userdata() = requests.Save(*record).userdata();
    const std::string frame = nettest::Frame(7, answer.SerializeAsString());
    ASSERT_GT(frame.size(), 70000u);
    ASSERT_LT(frame.size(), 72000u);

    const struct {
        const char* name;
        size_t piece;
    } rows[] = {{"in one piece", frame.size()}, {"in 1-byte pieces", 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        nettest::LoopbackPeer peer;
        NotingBenchmark bench;
        ASSERT_TRUE(bench.Init(1, CfgAt(peer.Port(), 1, "u")));
        ASSERT_TRUE(peer.Accept());
        // The client is ticked while the peer sends, so neither side waits on a full window.
        for (size_t from = 0; from < frame.size();) {
            if (row.piece == 1) {
                ASSERT_TRUE(peer.Send(frame.substr(from, 1)));
                ++from;
            } else {
                from += peer.SendSome(frame, from);
            }
            bench.Tick();
        }
        const bool bReceived = StandInAgent::WaitUntil(
            [&] {
                bench.Tick();
                return !bench.received.empty();
            },
            kPatience);
        ASSERT_TRUE(bReceived);
        EXPECT_EQ((std::vector<std::pair<unsigned, unsigned>>{{7u, unsigned(frame.size())}}), bench.received);
        EXPECT_TRUE(bench.IsConnected());
        EXPECT_TRUE(peer.ReadAvailable()) << "the client closed the connection";
        EXPECT_EQ(std::string("\x00\x00\x00\x0E\x00\x01", 6), peer.Received().substr(0, 6)); // its AD_REGIST
    }
}

TEST_F(ClientTest, ACreationBurstFarAboveTheOutputBoundDeliversEveryCreationInOrder)
{
    // 60 creations of 10 KB against an output buffer bounded at 128 KiB: most of the burst
    // waits. Loads and saves on every pass show that no player sends before its creation.
    SetIntervals(-1, 0, 0);
    AgentOptions opts;
    opts.nRecordBodies = 1000000; // every frame's bytes: the test stops the client early
    StartAgent(opts);
    const int kPlayers = 60;
    Benchmark bench;
    bench.SetOutputBound(128 * 1024);
    testing::internal::CaptureStdout(); // refused saves are reported
    ASSERT_TRUE(bench.Init(1, Cfg(kPlayers, "b")));
    const bool bAll = Pump(bench, [&] { return m_agent->Stats()[1].nCreateChar >= uint64_t(kPlayers); });
    testing::internal::GetCapturedStdout();
    ASSERT_TRUE(bAll) << m_agent->Stats()[1].nCreateChar;

    std::vector<int> creations;
    std::vector<size_t> createdAt(kPlayers, SIZE_MAX);
    size_t nOthers = 0;
    const std::vector<RecordedFrame> frames = m_agent->Frames();
    for (size_t i = 0; i < frames.size(); ++i) {
        const RecordedFrame& f = frames[i];
        ASSERT_TRUE(f.bHasBody);
        const int player = PlayerOf(f.nPacketId, f.strFrame, "b");
        if (f.nPacketId == 1) {
            continue;
        }
        ASSERT_GE(player, 0) << i;
        ASSERT_LT(player, kPlayers) << i;
        if (IsCreation(f.nPacketId, f.strFrame)) {
            creations.push_back(player);
            createdAt[size_t(player)] = i;
        } else {
            ++nOthers;
            EXPECT_LT(createdAt[size_t(player)], i) << "player " << player << " sent before its creation";
        }
    }
    std::vector<int> expected(kPlayers);
    for (int i = 0; i < kPlayers; ++i) {
        expected[size_t(i)] = i;
    }
    EXPECT_EQ(expected, creations); // each once, in player order
    EXPECT_GT(nOthers, 0u);
}

TEST_F(ClientTest, PendingCreationsGoOutOnTheNewConnectionRightBehindItsRegistration)
{
    // A peer that registers the client and then reads nothing: the burst of 100 creations
    // stops at the output bound and the kernel's buffers. The connection is reset; on
    // the new one, which never gets a DA_REGIST, the client sends its AD_REGIST, then at
    // once the loads of the players already created and the creations still pending, in
    // player order.
    SetIntervals(-1, -1, 0);
    const int kPlayers = 100;
    nettest::LoopbackPeer peer;
    peer.SetReceiveBuffer(4096);
    Benchmark bench;
    bench.SetOutputBound(65536);
    ASSERT_TRUE(bench.Init(1, CfgAt(peer.Port(), kPlayers, "q")));
    ASSERT_TRUE(peer.Accept());
    ASSERT_TRUE(peer.Send(RegistAnswer()));
    Pump(bench, [] { return false; }, std::chrono::milliseconds(300));
    peer.Reset();

    ASSERT_TRUE(Pump(bench, [&] { return !bench.IsConnected(); }));
    ASSERT_TRUE(Pump(bench, [&] { return bench.IsConnected(); }));
    ASSERT_TRUE(peer.Accept());
    std::vector<std::pair<uint16_t, std::string>> frames;
    size_t parsed = 0;
    bool bLastCreated = false;
    const bool bAllCreated = Pump(bench, [&] {
        peer.ReadAvailable();
        const size_t before = frames.size();
        CutFrames(peer.Received(), parsed, frames);
        for (size_t i = before; i < frames.size(); ++i) {
            bLastCreated = bLastCreated || (IsCreation(frames[i].first, frames[i].second) &&
                                            PlayerOf(frames[i].first, frames[i].second, "q") == kPlayers - 1);
        }
        return bLastCreated;
    });
    ASSERT_TRUE(bAllCreated) << frames.size();

    EXPECT_EQ(1u, frames[0].first) << "AD_REGIST first";
    std::vector<int> creations;
    std::vector<size_t> createdAt(kPlayers, SIZE_MAX);
    for (size_t i = 1; i < frames.size(); ++i) {
        if (IsCreation(frames[i].first, frames[i].second)) {
            const int player = PlayerOf(frames[i].first, frames[i].second, "q");
            ASSERT_GE(player, 0) << i;
            creations.push_back(player);
            createdAt[size_t(player)] = i;
        }
    }
    ASSERT_FALSE(creations.empty());
    size_t nLoads = 0;
    for (size_t i = 1; i < frames.size(); ++i) {
        if (!IsCreation(frames[i].first, frames[i].second)) {
            const int player = PlayerOf(frames[i].first, frames[i].second, "q");
            ASSERT_EQ(6u, frames[i].first) << i;
            ASSERT_GE(player, 0) << i;
            ++nLoads;
            if (player >= creations.front()) {
                EXPECT_LT(createdAt[size_t(player)], i) << "load of " << player << " before its creation";
            }
        }
    }
    EXPECT_GT(creations.front(), 0) << "some went out on the first connection";
    for (size_t i = 0; i < creations.size(); ++i) {
        EXPECT_EQ(creations.front() + int(i), creations[i]);
    }
    EXPECT_EQ(kPlayers - 1, creations.back());
    EXPECT_GT(nLoads, 0u) << "the players created before sent at once";
}
