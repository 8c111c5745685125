// The Dravik program end to end: started as a child process in a temporary working
// folder with a sample Config/, against the stand-in agent running in this process.

#include "AD_PBMessage.pb.h"
#include "RobotHarness.h"
#include "StandInAgent.h"
#include "TableSequence.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <thread>

using NSAgent::AgentOptions;
using NSAgent::Fault;
using NSAgent::RecordedFrame;
using NSAgent::StandInAgent;

namespace {

// The file of the first table that the loading sequence loads.
std::string FirstLoadedTableFile()
{
    tint32 n = 0;
    const TableSeqEntry* p = GetTableSequence(n);
    for (tint32 i = 0; i < n; ++i) {
        if (p[i].pfnLoad != nullptr) {
            return p[i].szFile;
        }
    }
    return std::string();
}

std::string LastLoadedTableFile()
{
    tint32 n = 0;
    const TableSeqEntry* p = GetTableSequence(n);
    while (n > 0 && p[n - 1].pfnLoad == nullptr) {
        --n;
    }
    return n > 0 ? p[n - 1].szFile : std::string();
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override { WriteSampleTables(m_dir); }

    void StartAgent(AgentOptions opts = AgentOptions())
    {
        opts.bRecord = true;
        opts.bPrint = false;
        m_agent.reset(new StandInAgent(opts));
        std::string err;
        ASSERT_TRUE(m_agent->Start(err)) << err;
    }

    size_t Count(uint16_t pid) const { return FramesOf(m_agent->Frames(), pid).size(); }
    bool WaitCount(uint16_t pid, size_t n) const
    {
        return StandInAgent::WaitUntil([&] { return Count(pid) >= n; }, kPatience);
    }
    // The AD_USERSAVE frames of one save type.
    std::vector<RecordedFrame> Saves(int saveType) const
    {
        std::vector<RecordedFrame> out;
        for (const RecordedFrame& f : FramesOf(m_agent->Frames(), 4)) {
            AD_USERSAVE s;
            if (ParseBody(f, s) && s.savetype() == saveType) {
                out.push_back(f);
            }
        }
        return out;
    }

    TempWorkDir m_dir;
    std::unique_ptr<StandInAgent> m_agent;
};

} // namespace

TEST_F(EndToEnd, StartupTexts)
{
    // No server in the configuration: the tables load, then the configuration's report ends
    // the program with status 1.
    m_dir.WriteFile("XmlConfig/benchmark_config.xml",
                    "<r><benchmark serverid=\"0\" dbserverhost=\"127.0.0.1\" accprefix=\"p\"/>"
                    "<benchmark serverid=\"-3\" dbserverhost=\"127.0.0.1\" accprefix=\"p\"/></r>");
    struct Row {
        const char* name;
        std::vector<std::string> args;
        bool bRobotNames;
        const char* expected;
    } rows[] = {
        {"mark as argument", {"mark with blanks", "ignored"}, true, "start bench\n"},
        {"mark from standard input at its end", {}, true,
         "start bench\nPlease Input CharName Mark.........\nSet CharName Mark OK........\n"},
        {"no robot-name table", {"m"}, false, "start bench\n"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        if (!r.bRobotNames) {
            std::remove("Config/RobotName.txt");
        }
        DravikProcess p(r.args);
        int status = -1;
        ASSERT_TRUE(p.WaitExit(kPatience, status)) << p.Output();
        EXPECT_EQ(1, status);
        EXPECT_EQ(0u, p.Output().find(r.expected)) << p.Output();
        EXPECT_NE(std::string::npos, p.Output().find("has no benchmark element with a serverid above 0")) << p.Output();
        const std::string first = FirstLoadedTableFile();
        ASSERT_FALSE(first.empty());
        EXPECT_NE(std::string::npos, m_dir.ReadLogs("ServerStatus.").find("Load Table " + first + " OK"));
    }
}

TEST_F(EndToEnd, RegistrationAndCreationBurst)
{
    AgentOptions opts;
    opts.aSerial[0] = 1000;
    opts.aCarry[0] = 1;
    StartAgent(opts);
    WriteBenchmarkXml(m_dir, m_agent->Port(), {{1, 3, "p"}}, -1, -1, -1);
    DravikProcess p({"mark"});
    ASSERT_TRUE(WaitCount(4, 3)) << p.Output();

    std::vector<RecordedFrame> frames = m_agent->Frames();
    const std::string kRegist("\x00\x00\x00\x0E\x00\x01\x08\x01\x10\x00\x10\x01\x10\x02", 14);
    EXPECT_EQ(kRegist, frames[0].strFrame);
    std::set<std::string> accounts;
    std::set<uint64_t> guids;
    for (const RecordedFrame& f : FramesOf(frames, 4)) {
        EXPECT_EQ(10226u, f.nSize);
        AD_USERSAVE s;
        ASSERT_TRUE(ParseBody(f, s));
        EXPECT_EQ(1, s.savetype());
        std::string acc(s.userdata().ubdata().c_str());
        EXPECT_EQ(std::string::npos, acc.find_first_not_of("0123456789", 2)) << acc;
        accounts.insert(acc.substr(0, 2));
        guids.insert(LE64(s.userdata().ubdata(), 80));
    }
    EXPECT_EQ((std::set<std::string>{"p0", "p1", "p2"}), accounts);
    EXPECT_EQ((std::set<uint64_t>{0x00010001000003E8ull, 0x00010001000003E9ull, 0x00010001000003EAull}), guids);

    // Every interval is -1: nothing follows the burst.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_EQ(3u, Count(4));
    EXPECT_EQ(0u, Count(6));
    EXPECT_TRUE(p.Running());
}

TEST_F(EndToEnd, SaveAndLoadContents)
{
    AgentOptions opts;
    opts.aSerial[0] = 70;
    opts.aCarry[0] = 0;
    opts.aSerial[1] = 5000;
    opts.aCarry[1] = 2;
    opts.aSerial[2] = 9000;
    opts.aCarry[2] = 4;
    StartAgent(opts);
    WriteBenchmarkXml(m_dir, m_agent->Port(), {{2, 1, "s"}}, -1, 0, 0);
    DravikProcess p({"mark"});
    ASSERT_TRUE(StandInAgent::WaitUntil([&] { return Saves(2).size() >= 2 && Count(6) >= 1; }, kPatience)) << p.Output();

    const uint64_t kChar = 0x0002000000000046ull; // world 2, type 0, carry 0, serial 70
    std::vector<RecordedFrame> saves = Saves(2);
    AD_USERSAVE s1, s2;
    ASSERT_TRUE(ParseBody(saves[0], s1));
    ASSERT_TRUE(ParseBody(saves[1], s2));
    const AD_USER_DATA& d = s1.userdata();
    EXPECT_EQ(3287u, d.ubdata().size());
    EXPECT_EQ(kChar, LE64(d.ubdata(), 80));
    EXPECT_EQ(3446u, d.ubdataex1().size());
    EXPECT_EQ(1864u, d.ubdataex2().size());
    EXPECT_EQ(1544u, d.ubdataex3().size());

    ASSERT_EQ(228, d.itemdata_size());
    for (int i = 0; i < d.itemdata_size(); ++i) {
        ASSERT_EQ(176u, d.itemdata(i).size()) << i;
        EXPECT_EQ(kChar, LE64(d.itemdata(i), 8)) << i;
    }
    EXPECT_EQ(0x0002010200001388ull, LE64(d.itemdata(0), 0));   // serial 5000
    EXPECT_EQ(0x000201020000146Bull, LE64(d.itemdata(227), 0)); // serial 5227
    EXPECT_EQ(0, d.currencydata_size());

    ASSERT_EQ(30, d.emialdata_size());
    EXPECT_EQ(0x0002020400002328ull, d.emialdata(0).guid());  // serial 9000
    EXPECT_EQ(0x0002020400002345ull, d.emialdata(29).guid()); // serial 9029
    for (const AD_EMAILINFO& m : d.emialdata()) {
        EXPECT_EQ(0, m.type());
        EXPECT_EQ(0, m.state());
        EXPECT_EQ(0u, m.globalguid());
        EXPECT_EQ("system", m.sender());
        EXPECT_EQ("s0", m.receiver());
        EXPECT_EQ("test", m.title());
        EXPECT_EQ("content", m.content());
        EXPECT_FALSE(m.has_awardinfo());
        EXPECT_EQ(-1, m.senderguid());
        EXPECT_EQ(int64_t(kChar), m.receiverguid());
    }

    ASSERT_EQ(256, d.shopdata_size());
    for (int i = 0; i < d.shopdata_size(); ++i) {
        const std::string& row = d.shopdata(i);
        ASSERT_EQ(18u, row.size()) << i;
        EXPECT_EQ(kChar, LE64(row, 0)) << i;
        EXPECT_EQ(uint32_t(41002 + i), LE32(row, 8)) << i;
        EXPECT_EQ(10u, LE32(row, 12)) << i;
        EXPECT_EQ(8, static_cast<unsigned char>(row[16]) | (static_cast<unsigned char>(row[17]) << 8)) << i;
    }
    ASSERT_TRUE(d.has_matchdata());
    EXPECT_EQ(332u, d.matchdata().size());
    ASSERT_EQ(12296u, d.scrapcard().size());
    EXPECT_EQ(kChar, LE64(d.scrapcard(), 0));
    EXPECT_EQ(std::string(12288, '\0'), d.scrapcard().substr(8));

    // The record never changes: two saves carry the same data.
    EXPECT_EQ(s1.userdata().SerializeAsString(), s2.userdata().SerializeAsString());

    AD_USERLOAD load;
    ASSERT_TRUE(ParseBody(FramesOf(m_agent->Frames(), 6)[0], load));
    EXPECT_EQ(1, load.usertype());
    EXPECT_EQ("s0", load.account());
    EXPECT_FALSE(load.has_guid());
    EXPECT_FALSE(load.has_charname());
    EXPECT_FALSE(load.has_param());
    EXPECT_EQ(1u, Saves(1).size()); // only the creation of the burst
}

TEST_F(EndToEnd, IntervalsHoldFromTheStart)
{
    // 100 s of processor time: none of these kinds may go out in this test's lifetime,
    // whereas the creation burst still does.
    StartAgent();
    WriteBenchmarkXml(m_dir, m_agent->Port(), {{1, 2, "i"}}, 100000, 100000, -1);
    DravikProcess p({"mark"});
    ASSERT_TRUE(WaitCount(4, 2)) << p.Output();
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    EXPECT_EQ(2u, Count(4));
    EXPECT_EQ(0u, Count(6));
    EXPECT_TRUE(p.Running());
}

TEST_F(EndToEnd, ServersConnectInAscendingId)
{
    StartAgent();
    WriteBenchmarkXml(m_dir, m_agent->Port(), {{7, 1, "b"}, {3, 1, "a"}}, -1, -1, -1);
    DravikProcess p({"mark"});
    ASSERT_TRUE(WaitCount(1, 2)) << p.Output();
    std::vector<RecordedFrame> regs = FramesOf(m_agent->Frames(), 1);
    const RecordedFrame& first = regs[0].nConn < regs[1].nConn ? regs[0] : regs[1];
    const RecordedFrame& second = regs[0].nConn < regs[1].nConn ? regs[1] : regs[0];
    EXPECT_EQ(3, first.nServerId);
    EXPECT_EQ(7, second.nServerId);
    ASSERT_TRUE(WaitCount(4, 2));
}

TEST_F(EndToEnd, FailuresEndWithAClearReport)
{
    enum Setup { PLAIN, NO_FIRST_TABLE, BAD_ROBOT_NAMES, MALFORMED_REPLY, AGENT_UP };
    struct Row {
        const char* name;
        const char* xml; // null: no configuration file; AGENT_UP: the second server's attributes
        Setup setup;
        const char* expected; // null: the missing table's report
    } rows[] = {
        {"no configuration", nullptr, PLAIN, "load benchmark config failed."},
        {"server without host", "<r><benchmark serverid=\"4\" accprefix=\"p\"/></r>", PLAIN,
         "benchmark serverid 4 has no dbserverhost."},
        {"server with a host name", "<r><benchmark serverid=\"6\" dbserverhost=\"localhost\" accprefix=\"p\"/></r>",
         PLAIN, "benchmark serverid 6 has dbserverhost \"localhost\", which is not an IPv4 address"},
        {"missing table", "<r/>", NO_FIRST_TABLE, nullptr},
        {"robot-name row with ID 1000", "<r/>", BAD_ROBOT_NAMES, "ID(1000)>MAX_ID over flow!!"},
        {"malformed DA_REGIST", nullptr, MALFORMED_REPLY, "void Benchmark::HandleDARegist(const BuffType*, tuint32)"},
        // The first server is valid and its agent up: the second server's value is refused
        // before any connection is made.
        {"second server's playernum", "dbserverport=\"PORT\" playernum=\"many\"", AGENT_UP,
         "benchmark serverid 2 has playernum \"many\", which is not an integer from 0 to 32767."},
        {"second server's port", "dbserverport=\"70000\"", AGENT_UP,
         "benchmark serverid 2 has dbserverport \"70000\", which is not an integer from 1 to 65535."},
    };
    const std::string firstTable = FirstLoadedTableFile();
    ASSERT_EQ("Config/AI.txt", firstTable);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const std::string expected = r.expected != nullptr ? r.expected : "Load Table " + firstTable + " Failed";
        std::remove("XmlConfig/benchmark_config.xml");
        if (r.xml != nullptr && r.setup != AGENT_UP) {
            m_dir.WriteFile("XmlConfig/benchmark_config.xml", r.xml);
        }
        switch (r.setup) {
        case NO_FIRST_TABLE:
            std::remove(firstTable.c_str());
            break;
        case BAD_ROBOT_NAMES:
            m_dir.WriteFile("Config/RobotName.txt", "ID\tNote\tFName\tSName\nINT\tSTRING\tSTRING\tSTRING\nx\tx\tx\tx\n"
                                                    "x\tx\tx\tx\n1000\t-\tAl\tBo\n");
            break;
        case MALFORMED_REPLY: {
            AgentOptions opts;
            opts.eFault = Fault::MalformedBody;
            StartAgent(opts);
            WriteBenchmarkXml(m_dir, m_agent->Port(), {{1, 1, "p"}}, -1, -1, -1);
            break;
        }
        case AGENT_UP: {
            StartAgent(AgentOptions());
            const std::string port = std::to_string(m_agent->Port());
            std::string second = r.xml; // its attributes, PORT standing for the agent's port
            const size_t at = second.find("PORT");
            if (at != std::string::npos) {
                second.replace(at, 4, port);
            }
            m_dir.WriteFile("XmlConfig/benchmark_config.xml",
                            "<r><benchmark serverid=\"1\" dbserverhost=\"127.0.0.1\" dbserverport=\"" + port +
                                "\" playernum=\"1\" accprefix=\"a\"/><benchmark serverid=\"2\" dbserverhost=\"127.0.0.1\" "
                                "accprefix=\"b\" " + second + "/></r>");
            break;
        }
        case PLAIN:
            break;
        }
        DravikProcess p({"mark"});
        int status = -1;
        ASSERT_TRUE(p.WaitExit(kPatience, status)) << p.Output();
        EXPECT_EQ(1, status) << p.Output();
        EXPECT_NE(std::string::npos, p.Output().find(expected)) << p.Output();
        EXPECT_NE(std::string::npos, m_dir.ReadLogs("assert.").find(expected));
        if (r.setup == AGENT_UP) {
            EXPECT_EQ(0u, m_agent->Stats()[-1].nAccepted);
        }
        WriteSampleTables(m_dir);
    }
}

TEST_F(EndToEnd, AgentDownAtStartThenUp)
{
    const uint16_t port = UnusedPort();
    WriteBenchmarkXml(m_dir, port, {{1, 1, "d"}}, -1, -1, -1);
    DravikProcess p({"mark"});
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    ASSERT_TRUE(p.Running()) << p.Output();
    AgentOptions opts;
    opts.nPort = port;
    StartAgent(opts);
    ASSERT_TRUE(WaitCount(4, 1)) << p.Output();
    EXPECT_EQ(1u, Count(1));
}

// Ctrl-C or kill ends the run by that signal, after writing out what the log channels
// buffered: here the network log's refused connects to an agent that is down.
TEST_F(EndToEnd, StopSignalsWriteOutTheBufferedLogs)
{
    const struct {
        int nSignal;
    } rows[] = {{SIGINT}, {SIGTERM}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.nSignal);
        WriteBenchmarkXml(m_dir, UnusedPort(), {{1, 1, "s"}}, -1, -1, -1);
        DravikProcess p({"mark"});
        // The first connect follows the last table at once (a slow start-up, as under a
        // sanitizer, may take longer than any fixed wait from "start bench").
        const std::string lastTable = "Load Table " + LastLoadedTableFile() + " OK";
        ASSERT_TRUE(StandInAgent::WaitUntil(
            [&] { return m_dir.ReadLogs("ServerStatus.").find(lastTable) != std::string::npos; }, kPatience))
            << p.Output();
        std::this_thread::sleep_for(std::chrono::milliseconds(300)); // past the first connect
        EXPECT_EQ(std::string(), m_dir.ReadLogs("SNet"));             // still in the buffer
        p.Signal(r.nSignal);
        int status = 0;
        ASSERT_TRUE(p.WaitExit(kPatience, status));
        EXPECT_EQ(128 + r.nSignal, status);
        EXPECT_NE(std::string::npos, m_dir.ReadLogs("SNet").find("[CActiveIo::connect_ex] error:111..."))
            << m_dir.ReadLogs("SNet");
        for (const auto& e : std::filesystem::directory_iterator(m_dir.LogDir())) {
            const std::string name = e.path().filename().string();
            if (name.rfind("SNet", 0) == 0 || name.rfind("ServerStatus.", 0) == 0) {
                std::filesystem::remove(e.path());
            }
        }
    }
}

TEST_F(EndToEnd, AgentRestartLeadsToReRegistration)
{
    StartAgent();
    const uint16_t port = m_agent->Port();
    WriteBenchmarkXml(m_dir, port, {{1, 2, "r"}}, -1, 0, 0);
    DravikProcess p({"mark"});
    ASSERT_TRUE(WaitCount(6, 1)) << p.Output();
    EXPECT_EQ(2u, Saves(1).size());

    m_agent.reset(); // the agent goes away
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    AgentOptions opts;
    opts.nPort = port;
    StartAgent(opts);
    ASSERT_TRUE(StandInAgent::WaitUntil([&] { return Saves(2).size() >= 2 && Count(6) >= 2; }, kPatience)) << p.Output();
    // Registered again; no second creation burst; load goes on for the same players.
    std::vector<RecordedFrame> frames = m_agent->Frames();
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(1u, frames[0].nPacketId);
    EXPECT_EQ(1u, FramesOf(frames, 1).size());
    EXPECT_EQ(0u, Saves(1).size());
    std::set<std::string> loaded;
    for (const RecordedFrame& f : FramesOf(frames, 6)) {
        AD_USERLOAD l;
        if (ParseBody(f, l)) {
            loaded.insert(l.account());
        }
    }
    EXPECT_TRUE(loaded.count("r0") + loaded.count("r1") >= 1);
    EXPECT_TRUE(p.Running());
}

TEST_F(EndToEnd, IncompleteRegistrationKeepsTheProcessAlive)
{
    AgentOptions opts;
    opts.eFault = Fault::MissingType;
    opts.nMissingType = 1;
    StartAgent(opts);
    WriteBenchmarkXml(m_dir, m_agent->Port(), {{1, 2, "x"}}, 0, 0, 0);
    DravikProcess p({"mark"});
    // A non-rethrown report: it is in the assert log at once (standard output may buffer it).
    ASSERT_TRUE(StandInAgent::WaitUntil(
        [&] { return m_dir.ReadLogs("assert.").find("lacks GUID type 1") != std::string::npos; }, kPatience))
        << p.Output();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(p.Running());
    EXPECT_EQ(0u, Count(4));
    EXPECT_EQ(0u, Count(6));
}

TEST_F(EndToEnd, PeriodicCreationsAreNewCharacters)
{
    AgentOptions opts;
    opts.aSerial[0] = 500;
    opts.aCarry[0] = 0;
    StartAgent(opts);
    WriteBenchmarkXml(m_dir, m_agent->Port(), {{1, 1, "c"}}, 0, -1, -1);
    DravikProcess p({"mark"});
    ASSERT_TRUE(StandInAgent::WaitUntil([&] { return Saves(1).size() >= 5; }, kPatience)) << p.Output();

    // Base part: account name at 0, GUID at 80, HP at 1227 and MP at 1231 (4 bytes each).
    std::vector<RecordedFrame> creations = Saves(1);
    uint64_t previous = 0;
    for (size_t i = 0; i < creations.size(); ++i) {
        SCOPED_TRACE(i);
        AD_USERSAVE s;
        ASSERT_TRUE(ParseBody(creations[i], s));
        const std::string& base = s.userdata().ubdata();
        ASSERT_EQ(3287u, base.size());
        const uint64_t guid = LE64(base, 80);
        EXPECT_EQ(0x00010000000001F4ull + i, guid); // serials 500, 501, ... in order
        EXPECT_GT(guid, previous);
        previous = guid;
        std::string acc(base.c_str());
        EXPECT_EQ("c0", acc.substr(0, 2));
        EXPECT_EQ(std::string::npos, acc.find_first_not_of("0123456789", 2)) << acc;
        EXPECT_EQ(1000u, LE32(base, 1227));
        EXPECT_EQ(i == 0 ? 0u : 1000u, LE32(base, 1231)); // the periodic creations start with MP 1000
        EXPECT_EQ(guid, LE64(s.userdata().scrapcard(), 0));
    }
    EXPECT_EQ(0u, Count(6));
}

TEST_F(EndToEnd, PlayersSendOnANewConnectionRightBehindItsRegistration)
{
    // The agent answers only its first registration: after the reconnect the players go
    // on at once, right behind the new AD_REGIST, without waiting for an answer that
    // never comes, and nothing is created again.
    AgentOptions opts;
    opts.eFault = Fault::FirstOnly;
    StartAgent(opts);
    WriteBenchmarkXml(m_dir, m_agent->Port(), {{1, 2, "n"}}, -1, -1, 0);
    DravikProcess p({"mark"});
    ASSERT_TRUE(WaitCount(6, 1)) << p.Output();
    m_agent->CloseConnections();
    ASSERT_TRUE(WaitCount(1, 2)) << p.Output();
    const uint64_t second = FramesOf(m_agent->Frames(), 1)[1].nConn;
    auto onSecond = [&] {
        std::vector<RecordedFrame> out;
        for (const RecordedFrame& f : m_agent->Frames()) {
            if (f.nConn == second) {
                out.push_back(f);
            }
        }
        return out;
    };
    ASSERT_TRUE(StandInAgent::WaitUntil([&] { return FramesOf(onSecond(), 6).size() >= 4; }, kPatience)) << p.Output();

    const std::vector<RecordedFrame> frames = onSecond();
    EXPECT_EQ(1u, frames[0].nPacketId);
    EXPECT_EQ(1u, FramesOf(frames, 1).size());
    EXPECT_EQ(0u, FramesOf(frames, 4).size()) << "no second creation burst";
    std::set<std::string> loaded;
    for (const RecordedFrame& f : FramesOf(frames, 6)) {
        AD_USERLOAD l;
        if (ParseBody(f, l)) {
            loaded.insert(l.account());
        }
    }
    EXPECT_EQ((std::set<std::string>{"n0", "n1"}), loaded);
    EXPECT_EQ(2u, Saves(1).size());
    EXPECT_TRUE(p.Running());
}

TEST_F(EndToEnd, AnsweringAgentKeepsOneConnectionPerServer)
{
    // An agent that answers saves and loads as a real one does: a load answer carries the
    // account's last save, about 71 KB, more than the robot's initial input buffer. Each
    // server keeps its one connection for the whole run.
    AgentOptions opts;
    opts.bAnswer = true;
    opts.nRecordBodies = 0;
    StartAgent(opts);
    WriteBenchmarkXml(m_dir, m_agent->Port(), {{1, 2, "a"}, {2, 3, "b"}}, -1, 0, 0);
    DravikProcess p({"mark"});
    auto found = [&](int server) { return m_agent->Stats()[server].nLoadFound; };
    ASSERT_TRUE(StandInAgent::WaitUntil([&] { return found(1) >= 50 && found(2) >= 50; }, kPatience)) << p.Output();
    // Some more seconds of answered loads: a robot that cannot take them reconnects at once.
    const uint64_t before = found(1) + found(2);
    std::this_thread::sleep_for(std::chrono::seconds(2));
    EXPECT_GT(found(1) + found(2), before);

    const std::map<int, NSAgent::ServerStats> stats = m_agent->Stats();
    for (int server : {1, 2}) {
        SCOPED_TRACE(server);
        const NSAgent::ServerStats& s = stats.at(server);
        EXPECT_EQ(1u, s.nAccepted) << "connections registered as this server";
        EXPECT_EQ(1u, s.nConnections);
        EXPECT_EQ(1u, s.nRegist);
        EXPECT_GT(s.nUserSave, 0u);
        EXPECT_EQ(0u, s.nMalformed);
    }
    EXPECT_EQ(2u, m_agent->Totals().nAccepted);
    EXPECT_EQ(5u, m_agent->Totals().nCreateChar);
    // A save carries about 70 KB of record: the load answers that carry it are larger
    // than 65536 bytes.
    size_t nLargest = 0;
    for (const RecordedFrame& f : FramesOf(m_agent->Frames(), 4)) {
        nLargest = std::max<size_t>(nLargest, f.nSize);
    }
    EXPECT_GT(nLargest, 70000u);
    EXPECT_TRUE(p.Running());
}
