// The stand-in agent that the robot's tests rely on: framing across segments, the
// DA_REGIST answer, counting by kind, bad lengths, the first-only fault and the answers
// to saves and loads.

#include "AD_PBMessage.pb.h"
#include "LoopbackPeer.h"
#include "PlayerRequests.h"
#include "RobotHarness.h"
#include "StandInAgent.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

using NSAgent::AgentOptions;
using NSAgent::StandInAgent;

namespace {

int Connect(uint16_t port)
{
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    sa.sin_port = htons(port);
    if (connect(fd, reinterpret_cast<sockaddr*>(&sa), sizeof(sa)) != 0) {
        close(fd);
        return -1;
    }
    timeval tv{5, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof(tv));
    return fd;
}

void SendAll(int fd, const std::string& bytes)
{
    ASSERT_EQ(ssize_t(bytes.size()), send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL));
}

size_t FrameLength(const std::string& buf)
{
    return (size_t(uint8_t(buf[0])) << 24) | (size_t(uint8_t(buf[1])) << 16) | (size_t(uint8_t(buf[2])) << 8) |
           uint8_t(buf[3]);
}

// Reads one whole frame (the agent answers one request at a time); empty on time-out or close.
std::string ReadFrame(int fd)
{
    std::string buf;
    char tmp[4096];
    while (buf.size() < 6 || buf.size() < FrameLength(buf)) {
        ssize_t r = recv(fd, tmp, sizeof(tmp), 0);
        if (r <= 0) {
            return std::string();
        }
        buf.append(tmp, size_t(r));
    }
    return buf;
}

const std::string kRegist1("\x00\x00\x00\x0E\x00\x01\x08\x01\x10\x00\x10\x01\x10\x02", 14);

AgentOptions AnsweringOptions()
{
    AgentOptions opts;
    opts.bPrint = false;
    opts.bAnswer = true;
    return opts;
}

// A connection whose registration the agent has answered; -1 when none is.
int ConnectRegistered(uint16_t port)
{
    const int fd = Connect(port);
    if (fd < 0) {
        return -1;
    }
    SendAll(fd, kRegist1);
    if (ReadFrame(fd).empty()) {
        close(fd);
        return -1;
    }
    return fd;
}

} // namespace

TEST(StandInAgent, AnswersRegistrationsAndCountsFramesAcrossSegments)
{
    AgentOptions opts;
    opts.bPrint = false;
    opts.aSerial[1] = 77;
    opts.aCarry[1] = 9;
    StandInAgent agent(opts);
    std::string err;
    ASSERT_TRUE(agent.Start(err)) << err;
    int fd = Connect(agent.Port());
    ASSERT_GE(fd, 0);

    // The registration split in two segments.
    SendAll(fd, kRegist1.substr(0, 5));
    usleep(20000);
    SendAll(fd, kRegist1.substr(5));
    std::string reply = ReadFrame(fd);
    ASSERT_GE(reply.size(), 6u);
    EXPECT_EQ(2, reply[5]);
    DA_REGIST rep;
    ASSERT_TRUE(rep.ParseFromArray(reply.data() + 6, int(reply.size() - 6)));
    EXPECT_EQ(1, rep.serverid());
    ASSERT_EQ(3, rep.guidtype_size());
    ASSERT_EQ(3, rep.serial_size());
    ASSERT_EQ(3, rep.carry_size());
    EXPECT_EQ(1, rep.guidtype(1));
    EXPECT_EQ(77u, rep.serial(1));
    EXPECT_EQ(9u, rep.carry(1));
    EXPECT_NE(rep.serial(0), rep.serial(2)); // distinct per type by default

    // A load and an undecodable save in one segment, then a length below 6.
    const std::string load("\x00\x00\x00\x0A\x00\x06\x08\x01\x1A\x00", 10);
    const std::string badSave("\x00\x00\x00\x08\x00\x04\x08\x02", 8); // no UserData
    SendAll(fd, load + badSave);
    ASSERT_TRUE(StandInAgent::WaitUntil([&] { return agent.Totals().Requests() == 2 && agent.Totals().nMalformed == 1; },
                                        kPatience));
    SendAll(fd, std::string("\x00\x00\x00\x05\x00\x04", 6));
    ASSERT_TRUE(StandInAgent::WaitUntil([&] { return agent.Totals().nMalformed == 2; }, kPatience));
    EXPECT_EQ("", ReadFrame(fd)); // closed by the agent
    close(fd);

    const NSAgent::ServerStats s = agent.Stats()[1];
    EXPECT_EQ(1u, s.nRegist);
    EXPECT_EQ(1u, s.nUserLoad);
    EXPECT_EQ(0u, s.nUserSave);
    EXPECT_EQ(14u + 10u + 8u, s.nBytes);
    EXPECT_TRUE(StandInAgent::WaitUntil([&] { return agent.Stats()[1].nConnections == 0; }, kPatience));
}

TEST(StandInAgent, FirstOnlyAnswersOneRegistration)
{
    AgentOptions opts;
    opts.bPrint = false;
    opts.eFault = NSAgent::Fault::FirstOnly;
    StandInAgent agent(opts);
    std::string err;
    ASSERT_TRUE(agent.Start(err)) << err;
    int a = Connect(agent.Port());
    SendAll(a, kRegist1);
    EXPECT_FALSE(ReadFrame(a).empty());
    int b = Connect(agent.Port());
    timeval tv{0, 300000};
    setsockopt(b, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof(tv));
    SendAll(b, kRegist1);
    EXPECT_TRUE(ReadFrame(b).empty());
    close(a);
    close(b);
}

TEST(StandInAgent, AnswersSavesAndLoadsWithTheAccountsLastSave)
{
    StandInAgent agent(AnsweringOptions());
    std::string err;
    ASSERT_TRUE(agent.Start(err)) << err;
    const int fd = ConnectRegistered(agent.Port());
    ASSERT_GE(fd, 0);

    // The robot's records name the account followed by a time in seconds; its loads the
    // account alone.
    PlayerRequests requests;
    std::unique_ptr<DBFullUserData> record = PlayerRecord(0x0001000000000010ull, 228, 256, 0, 30);
    const std::string save = requests.Save(*record).SerializePartialAsString();
    const std::string saved = requests.Save(*record).userdata().SerializePartialAsString();
    const std::string creation = requests.Create(*record).SerializePartialAsString();
    const std::string created = requests.Create(*record).userdata().SerializePartialAsString();

    struct Row {
        const char* name;
        uint16_t nPacketId;
        std::string body;     // of the request
        uint16_t nAnswerId;
        int nResult;
        std::string account;  // of the answer
        std::string userData; // of the answer; empty: none
    };
    auto load = [](const std::string& account) {
        AD_USERLOAD l;
        l.set_usertype(1);
        l.set_account(account);
        return l.SerializeAsString();
    };
    const Row rows[] = {
        {"load before any save", 6, load("acc"), 7, 1, "acc", ""},
        {"save", 4, save, 5, 0, "acc1700000000", ""},
        {"load of the account", 6, load("acc"), 7, 0, "acc", saved},
        {"load of the record's account", 6, load("acc1700000000"), 7, 0, "acc1700000000", saved},
        {"another account", 6, load("ac"), 7, 1, "ac", ""},
        {"a creation is the last save", 4, creation, 5, 0, "acc1700000000", ""},
        {"load after the creation", 6, load("acc"), 7, 0, "acc", created},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        SendAll(fd, nettest::Frame(r.nPacketId, r.body));
        const std::string answer = ReadFrame(fd);
        ASSERT_GE(answer.size(), 6u);
        EXPECT_EQ(r.nAnswerId, uint8_t(answer[5]));
        NSAgent::RecordedFrame f;
        f.bHasBody = true;
        f.strFrame = answer;
        if (r.nAnswerId == 5) {
            DA_USERSAVE rep;
            ASSERT_TRUE(ParseBody(f, rep));
            AD_USERSAVE req;
            ASSERT_TRUE(req.ParseFromString(r.body));
            EXPECT_EQ(req.savetype(), rep.savetype());
            EXPECT_EQ(r.nResult, rep.result());
            EXPECT_EQ(r.account, rep.account());
            EXPECT_FALSE(rep.has_userdata());
        } else {
            DA_USERLOAD rep;
            ASSERT_TRUE(rep.ParsePartialFromArray(answer.data() + 6, int(answer.size() - 6)));
            EXPECT_EQ(1, rep.usertype());
            EXPECT_EQ(r.nResult, rep.result());
            EXPECT_EQ(r.account, rep.account());
            EXPECT_EQ(!r.userData.empty(), rep.has_userdata());
            EXPECT_TRUE(r.userData == rep.userdata().SerializePartialAsString());
        }
    }
    EXPECT_GT(saved.size(), 65536u); // so the answer carrying it is, too
    EXPECT_EQ(3u, agent.Stats()[1].nLoadFound);
    EXPECT_EQ(5u, agent.Stats()[1].nUserLoad);
    close(fd);
}

TEST(StandInAgent, StopsReadingFromAClientThatTakesNoAnswers)
{
    // 1000 loads of a saved account at once, and nothing read: the answers (about 71 KB
    // each) pile up to the agent's limit and the kernel's buffers, then the agent stops
    // reading. Once the client reads, every load is answered.
    StandInAgent agent(AnsweringOptions());
    std::string err;
    ASSERT_TRUE(agent.Start(err)) << err;
    const int fd = ConnectRegistered(agent.Port());
    ASSERT_GE(fd, 0);
    PlayerRequests requests;
    SendAll(fd, nettest::Frame(4, requests.Save(*PlayerRecord(0x0001000000000010ull, 228, 256, 0, 30)).SerializeAsString()));
    ASSERT_FALSE(ReadFrame(fd).empty());

    AD_USERLOAD load;
    load.set_usertype(1);
    load.set_account("acc");
    const std::string one = nettest::Frame(6, load.SerializeAsString());
    std::string loads;
    for (int i = 0; i < 1000; ++i) {
        loads += one;
    }
    SendAll(fd, loads);
    ASSERT_TRUE(StandInAgent::WaitUntil([&] { return agent.Stats()[1].nUserLoad > 0; }, kPatience));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_LT(agent.Stats()[1].nUserLoad, 1000u) << "read on";

    size_t answers = 0;
    std::string buf;
    char tmp[65536];
    while (answers < 1000) {
        const ssize_t r = recv(fd, tmp, sizeof(tmp), 0);
        ASSERT_GT(r, 0) << answers;
        buf.append(tmp, size_t(r));
        while (buf.size() >= 6 && buf.size() >= FrameLength(buf)) {
            EXPECT_EQ(7, buf[5]);
            buf.erase(0, FrameLength(buf));
            ++answers;
        }
    }
    EXPECT_EQ(1000u, agent.Stats()[1].nLoadFound);
    close(fd);
}
