// Net units against a loopback peer: the frame on the wire, frame cutting, session ids,
// the call-back order, socket options and the output bound.

#include "LogDefine.h"
#include "LoopbackPeer.h"
#include "NetworkTestMsg.pb.h"
#include "TempWorkDir.h"
#include "net_io.h"
#include "net_session.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <memory>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

using nettest::Frame;
using nettest::Hex;
using nettest::LoopbackPeer;
using nettest::PumpUntil;
using nettest::RecordingUnit;
using NSNet::SessionId;

namespace {

class NetUnitTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Lines buffered by earlier tests go to their own folders, not into this one.
        gSNetLogSink.Flush();
        m_dir.reset(new TempWorkDir());
        ASSERT_NE(0, peer.Port());
    }

    // Connects the unit to the peer and accepts on the peer side.
    SessionId ConnectAndAccept() {
        SessionId sid = 0;
        EXPECT_TRUE(unit.Connect(peer.Port(), sid));
        EXPECT_TRUE(peer.Accept());
        return sid;
    }

    bool PumpUntilEvent(const std::string& event) {
        return PumpUntil(unit, [&] {
            for (const std::string& e : unit.events) {
                if (e == event) {
                    return true;
                }
            }
            return false;
        });
    }

    bool PumpUntilPeerHas(size_t bytes) {
        return PumpUntil(unit, [&] {
            peer.ReadAvailable();
            return peer.Received().size() >= bytes;
        });
    }

    bool PumpUntilPeerEof() {
        return PumpUntil(unit, [&] { return !peer.ReadAvailable() && peer.SawEof(); });
    }

    std::string NetLog() {
        gSNetLogSink.Flush();
        return m_dir->ReadLogs("SNet");
    }

    std::unique_ptr<TempWorkDir> m_dir;
    LoopbackPeer peer;
    RecordingUnit unit;
};

typedef std::vector<std::string> Events;

} // namespace

TEST_F(NetUnitTest, FramesOnTheWire) {
    nettest::NetProbe probe;
    probe.set_body("abcdefgh"); // body: tag 0a, length 08, 8 bytes = 10 bytes
    nettest::NetEmpty empty;
    nettest::NetRequired partial; // required id left unset: sent as it is
    partial.set_payload("xy");

    struct Row {
        const char* name;
        const google::protobuf::Message* msg;
        short protocolId;
        const char* hex;
    };
    const Row rows[] = {
        {"packet 4 with a 10-byte body", &probe, 4, "00 00 00 10 00 04 0a 08 61 62 63 64 65 66 67 68"},
        {"an empty message is 6 bytes", &empty, 2, "00 00 00 06 00 02"},
        {"unset required field", &partial, 0x0102, "00 00 00 0a 01 02 12 02 78 79"},
        {"packet id -1 is ff ff", &empty, -1, "00 00 00 06 ff ff"},
    };

    const SessionId sid = ConnectAndAccept();
    ASSERT_EQ(1u, sid);
    size_t expected = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const size_t before = peer.Received().size();
        ASSERT_EQ(0, unit.send(sid, *row.msg, row.protocolId));
        // Nothing leaves before the next tick.
        EXPECT_FALSE(unit.getSession(sid)->getOutputBuffer().empty());
        expected += (std::string(row.hex).size() + 1) / 3;
        ASSERT_TRUE(PumpUntilPeerHas(expected));
        EXPECT_EQ(row.hex, Hex(peer.Received().substr(before)));
    }
}

TEST_F(NetUnitTest, SendToUnknownSessionIsMinusOne) {
    nettest::NetEmpty empty;
    const NSNet::BuffType raw[2] = {1, 2};
    EXPECT_EQ(-1, unit.send(0, empty, 1));
    EXPECT_EQ(-1, unit.send(99, empty, 1));
    EXPECT_EQ(-1, unit.send(99, raw, 2));
    const SessionId sid = ConnectAndAccept();
    EXPECT_EQ(-1, unit.send(sid + 1, empty, 1));
    EXPECT_EQ(0, unit.close(sid + 1, 0));
    EXPECT_EQ(nullptr, unit.getSession(sid + 1));
}

TEST_F(NetUnitTest, TwoFramesInOneSegmentAreDeliveredInOrder) {
    const SessionId sid = ConnectAndAccept();
    const std::string first = Frame(3, "abc");
    const std::string second = Frame(5, "");
    ASSERT_TRUE(peer.Send(first + second));
    ASSERT_TRUE(PumpUntil(unit, [&] { return !unit.frames.empty(); }));
    // One segment: both frames come out of the same read.
    ASSERT_EQ(2u, unit.frames.size());
    EXPECT_EQ(Hex(first), Hex(unit.frames[0]));
    EXPECT_EQ(Hex(second), Hex(unit.frames[1]));
    EXPECT_EQ((Events{"add 1", "frame 1 3 9", "frame 1 5 6"}), unit.events);
    EXPECT_EQ(1u, sid);
}

TEST_F(NetUnitTest, SplitFrameIsDeliveredWhenItsLastByteArrives) {
    const SessionId sid = ConnectAndAccept();
    const std::string frame = Frame(9, "0123456789abcdefghij"); // 26 bytes
    struct Row {
        const char* name;
        std::vector<size_t> cuts;
    };
    const Row rows[] = {
        {"inside the length", {1}},
        {"between length and packet id", {4}},
        {"inside the packet id", {5}},
        {"right after the header", {6}},
        {"header and body in three pieces", {7, 13}},
        {"byte by byte through the header", {1, 2, 3, 4, 5, 6, 7}},
        {"last byte alone", {25}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const size_t before = unit.frames.size();
        size_t from = 0;
        for (size_t cut : row.cuts) {
            ASSERT_TRUE(peer.Send(frame.substr(from, cut - from)));
            from = cut;
            ASSERT_TRUE(PumpUntil(unit, [&] { return unit.getSession(sid)->getInputBuffer().size() == from; }));
            EXPECT_EQ(before, unit.frames.size());
        }
        ASSERT_TRUE(peer.Send(frame.substr(from)));
        ASSERT_TRUE(PumpUntil(unit, [&] { return unit.frames.size() == before + 1; }));
        EXPECT_EQ(Hex(frame), Hex(unit.frames.back()));
        EXPECT_TRUE(unit.getSession(sid)->getInputBuffer().empty());
    }
}

TEST_F(NetUnitTest, LargestFramesAreDeliveredWhole) {
    const SessionId sid = ConnectAndAccept();
    std::string body;
    for (size_t i = 0; i < 65529; ++i) {
        body.push_back(static_cast<char>(i * 7));
    }
    const std::string frame = Frame(11, body); // 65535 bytes, the most a 65536-byte buffer holds
    ASSERT_EQ(65535u, frame.size());
    // Two of them: the second one wraps round the input buffer's end. The client is
    // ticked while the peer sends, so neither side waits on a full window.
    const std::string both = frame + frame;
    size_t sent = 0;
    ASSERT_TRUE(PumpUntil(unit, [&] {
        sent += peer.SendSome(both, sent);
        return unit.frames.size() == 2;
    }));
    EXPECT_EQ((Events{"add 1", "frame 1 11 65535", "frame 1 11 65535"}), unit.events);
    EXPECT_TRUE(unit.frames[0] == frame);
    EXPECT_TRUE(unit.frames[1] == frame);
    EXPECT_NE(nullptr, unit.getSession(sid));
}

TEST_F(NetUnitTest, BadAnnouncedLengthsCloseTheSession) {
    struct Row {
        const char* name;
        const char* header; // 6 header bytes as hex
        bool aborts;        // onAbortSession with 0x18000 before the delete
        const char* logText;
    };
    const Row rows[] = {
        {"length 5", "00 00 00 05 00 07", false,
         "[CProtocolSession::onRecv] error...size:5, sessionId:%u, protocolId:7, netName:RecordingUnit"},
        {"length 0", "00 00 00 00 00 08", false,
         "[CProtocolSession::onRecv] error...size:0, sessionId:%u, protocolId:8, netName:RecordingUnit"},
        {"one byte above the 64 MiB bound", "04 00 00 00 00 09", true,
         "[CProtocolSession::onRecv] frame too long...size:67108864, limit:67108863, sessionId:%u, protocolId:9, netName:RecordingUnit"},
        {"largest length", "ff ff ff ff 00 0a", true,
         "[CProtocolSession::onRecv] frame too long...size:4294967295, limit:67108863, sessionId:%u, protocolId:10, netName:RecordingUnit"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        unit.events.clear();
        const SessionId sid = ConnectAndAccept();
        std::string header;
        for (size_t i = 0; i < 18; i += 3) {
            header.push_back(static_cast<char>(std::stoi(std::string(row.header + i, 2), nullptr, 16)));
        }
        ASSERT_TRUE(peer.Send(header + "some bytes that follow"));
        const std::string del = "delete " + std::to_string(sid);
        ASSERT_TRUE(PumpUntilEvent(del));
        Events expected = {"add " + std::to_string(sid)};
        if (row.aborts) {
            expected.push_back("abort " + std::to_string(sid) + " 0x18000");
        }
        expected.push_back(del);
        EXPECT_EQ(expected, unit.events);
        EXPECT_TRUE(unit.frames.empty());
        EXPECT_EQ(nullptr, unit.getSession(sid));
        EXPECT_TRUE(PumpUntilPeerEof());

        char line[256];
        std::snprintf(line, sizeof(line), row.logText, sid);
        const std::string log = NetLog();
        const size_t at = log.find(line);
        EXPECT_NE(std::string::npos, at) << line;
        EXPECT_EQ(std::string::npos, log.find(line, at + 1)) << "one line per session";
    }
}

TEST_F(NetUnitTest, FramesAboveTheInitialInputBufferAreReceivedWhole) {
    // 71 KB (a load answer carrying a whole character) and 1 MiB: the 65536-byte input
    // buffer grows for each and gives its block back afterwards; the session stays.
    const SessionId sid = ConnectAndAccept();
    std::string stream;
    std::vector<std::string> sent;
    for (size_t size : {size_t(71000), size_t(1) << 20, size_t(40)}) {
        std::string body;
        for (size_t i = 0; i + 6 < size; ++i) {
            body.push_back(static_cast<char>(i * 31 + size));
        }
        sent.push_back(Frame(12, body));
        stream += sent.back();
    }
    size_t done = 0;
    ASSERT_TRUE(PumpUntil(unit, [&] {
        done += peer.SendSome(stream, done);
        return unit.frames.size() == sent.size();
    }));
    for (size_t i = 0; i < sent.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(unit.frames[i] == sent[i]);
    }
    EXPECT_EQ((Events{"add 1", "frame 1 12 71000", "frame 1 12 1048576", "frame 1 12 40"}), unit.events);
    ASSERT_NE(nullptr, unit.getSession(sid));
    EXPECT_EQ(65536u, unit.getSession(sid)->getInputBuffer().capacity());
}

TEST_F(NetUnitTest, InputBufferTooSmallForAHeaderClosesTheSession) {
    // 4 bytes hold 3: a 6-byte header never fits.
    SessionId sid = 0;
    ASSERT_TRUE(unit.Connect(peer.Port(), sid, 4));
    ASSERT_TRUE(peer.Accept());
    ASSERT_TRUE(peer.Send(Frame(1, "")));
    ASSERT_TRUE(PumpUntilEvent("delete 1"));
    EXPECT_EQ((Events{"add 1", "abort 1 0x18000", "delete 1"}), unit.events);
    EXPECT_TRUE(unit.frames.empty());
    EXPECT_NE(std::string::npos,
              NetLog().find("[CProtocolSession::onRecv] buffer too small...capacity:4, sessionId:1, netName:RecordingUnit"));
}

TEST_F(NetUnitTest, SessionIdsRiseAcrossReconnectsWithTheCallBackOrder) {
    // Open: the session is added inside client, before any tick.
    SessionId sid = 0;
    ASSERT_TRUE(unit.Connect(peer.Port(), sid));
    EXPECT_EQ(1u, sid);
    EXPECT_EQ((Events{"add 1"}), unit.events);
    ASSERT_TRUE(peer.Accept());

    // The peer closes: abort with "peer closed", then delete, in the same tick.
    peer.Close();
    ASSERT_TRUE(PumpUntilEvent("delete 1"));
    EXPECT_EQ((Events{"add 1", "abort 1 0x10000", "delete 1"}), unit.events);
    EXPECT_EQ(nullptr, unit.getSession(1));

    // A new connection gets the next id; an application close aborts at once and
    // deletes at the next tick.
    unit.events.clear();
    ASSERT_TRUE(unit.Connect(peer.Port(), sid));
    EXPECT_EQ(2u, sid);
    ASSERT_TRUE(peer.Accept());
    EXPECT_EQ(-1, unit.close(2, 0));
    EXPECT_EQ((Events{"add 2", "abort 2 0x0"}), unit.events);
    unit.tick();
    EXPECT_EQ((Events{"add 2", "abort 2 0x0", "delete 2"}), unit.events);

    ASSERT_TRUE(unit.Connect(peer.Port(), sid));
    EXPECT_EQ(3u, sid);

    const std::string log = NetLog();
    EXPECT_NE(std::string::npos, log.find("[ISessionManager::addSession] idfManager:RecordingUnit, sessionId:1..."));
    EXPECT_NE(std::string::npos, log.find("[ISessionManager::deleteSession] idfManager:RecordingUnit, sessionId:2..."));
}

TEST_F(NetUnitTest, PeerResetAbortsWithTheReceiveErrno) {
    const SessionId sid = ConnectAndAccept();
    ASSERT_EQ(1u, sid);
    peer.Reset();
    ASSERT_TRUE(PumpUntilEvent("delete 1"));
    // ECONNRESET is 104 (0x68).
    EXPECT_EQ((Events{"add 1", "abort 1 0x20068", "delete 1"}), unit.events);
}

TEST_F(NetUnitTest, NoAbortFollowsTheDelete) {
    const SessionId sid = ConnectAndAccept();
    peer.Reset();
    // Bytes still queued when the session is destroyed: its last send fails too.
    const NSNet::BuffType raw[4] = {1, 2, 3, 4};
    ASSERT_EQ(0, unit.send(sid, raw, 4));
    ASSERT_TRUE(PumpUntilEvent("delete 1"));
    unit.tick();
    ASSERT_FALSE(unit.events.empty());
    EXPECT_EQ("delete 1", unit.events.back());
    EXPECT_EQ("abort 1 0x20068", unit.events[1]);
}

TEST_F(NetUnitTest, ApplicationCloseStillSendsWhatIsQueued) {
    const SessionId sid = ConnectAndAccept();
    const NSNet::BuffType before[3] = {'a', 'b', 'c'};
    const NSNet::BuffType after[2] = {'d', 'e'};
    ASSERT_EQ(0, unit.send(sid, before, 3));
    EXPECT_EQ(-1, unit.close(sid, 0x40000));
    EXPECT_EQ((Events{"add 1", "abort 1 0x40000"}), unit.events);
    // Still in the map, and still taking bytes, until the next tick.
    ASSERT_NE(nullptr, unit.getSession(sid));
    ASSERT_EQ(0, unit.send(sid, after, 2));
    unit.tick();
    EXPECT_EQ((Events{"add 1", "abort 1 0x40000", "delete 1"}), unit.events);
    EXPECT_EQ(nullptr, unit.getSession(sid));
    EXPECT_TRUE(PumpUntilPeerEof());
    EXPECT_EQ("abcde", peer.Received());
}

TEST_F(NetUnitTest, ProcessResultClosesAfterTheReplyLeaves) {
    const SessionId sid = ConnectAndAccept();
    unit.onFrame = [&](SessionId id, const std::string&, tuint32) -> tuint32 {
        const std::string reply = Frame(21, "ok");
        unit.send(id, reinterpret_cast<const NSNet::BuffType*>(reply.data()), static_cast<tuint32>(reply.size()));
        return 7;
    };
    ASSERT_TRUE(peer.Send(Frame(20, "hi")));
    ASSERT_TRUE(PumpUntilEvent("delete 1"));
    EXPECT_EQ((Events{"add 1", "frame 1 20 8", "abort 1 0x50007", "delete 1"}), unit.events);
    EXPECT_TRUE(PumpUntilPeerEof());
    EXPECT_EQ(Hex(Frame(21, "ok")), Hex(peer.Received()));
    EXPECT_EQ(1u, sid);
}

TEST_F(NetUnitTest, RepliesQueuedByProcessLeaveInTheSameTick) {
    const SessionId sid = ConnectAndAccept();
    nettest::NetProbe reply;
    reply.set_body("pong");
    unit.onFrame = [&](SessionId id, const std::string&, tuint32) -> tuint32 { return unit.send(id, reply, 31); };
    ASSERT_TRUE(peer.Send(Frame(30, "ping")));
    ASSERT_TRUE(PumpUntil(unit, [&] { return !unit.frames.empty(); }));
    // Input is handled before output within one event.
    EXPECT_TRUE(unit.getSession(sid)->getOutputBuffer().empty());
    ASSERT_TRUE(PumpUntilPeerHas(12));
    EXPECT_EQ("00 00 00 0c 00 1f 0a 04 70 6f 6e 67", Hex(peer.Received()));
}

TEST_F(NetUnitTest, StandardExceptionInProcessClosesTheSession) {
    ConnectAndAccept();
    unit.onFrame = [](SessionId, const std::string&, tuint32) -> tuint32 { throw std::runtime_error("boom"); };
    ASSERT_TRUE(peer.Send(Frame(40, "x")));
    testing::internal::CaptureStdout();
    const bool bDeleted = PumpUntilEvent("delete 1");
    const std::string out = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(bDeleted);
    EXPECT_EQ("net session exception : boom", out);
    EXPECT_EQ((Events{"add 1", "frame 1 40 7", "abort 1 0x50000", "delete 1"}), unit.events);
}

// Once its session is closed (by process's result, a standard exception, or the unit
// itself from within process) no later frame reaches the unit, also not one that the
// same turn of the reactor reads after the close.
TEST_F(NetUnitTest, NoFrameReachesTheUnitAfterItsSessionClosed) {
    struct Row {
        const char* szCase;
        std::function<tuint32(RecordingUnit&, SessionId)> fnFirstFrame;
        const char* szAbort;
    };
    const Row rows[] = {
        {"refused by its result", [](RecordingUnit&, SessionId) -> tuint32 { return 7; }, "abort 1 0x50007"},
        {"standard exception",
         [](RecordingUnit&, SessionId) -> tuint32 { throw std::runtime_error("boom"); }, "abort 1 0x50000"},
        {"closed by the unit", [](RecordingUnit& u, SessionId id) -> tuint32 { return u.close(id, 0x40000) + 1; },
         "abort 1 0x40000"},
    };
    // More than one receive step of the reactor (1460 bytes) behind the first frame.
    const std::string bytes = Frame(60, "hi") + Frame(61, std::string(3000, 'x')) + Frame(62, "");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.szCase);
        LoopbackPeer rowPeer;
        RecordingUnit rowUnit;
        SessionId sid = 0;
        ASSERT_TRUE(rowUnit.Connect(rowPeer.Port(), sid));
        ASSERT_TRUE(rowPeer.Accept());
        rowUnit.onFrame = [&](SessionId id, const std::string&, tuint32 protocolId) -> tuint32 {
            return protocolId == 60 ? row.fnFirstFrame(rowUnit, id) : 0;
        };
        ASSERT_TRUE(rowPeer.Send(bytes));
        testing::internal::CaptureStdout();
        const bool bDeleted = PumpUntil(rowUnit, [&] { return rowUnit.sessionCount() == 0; });
        testing::internal::GetCapturedStdout();
        ASSERT_TRUE(bDeleted);
        EXPECT_EQ((Events{"add 1", "frame 1 60 8", row.szAbort, "delete 1"}), rowUnit.events);
    }
}

TEST_F(NetUnitTest, OtherExceptionsPassThroughTheTick) {
    ConnectAndAccept();
    unit.onFrame = [](SessionId, const std::string&, tuint32 protocolId) -> tuint32 {
        if (protocolId == 50) {
            throw 42;
        }
        return 0;
    };
    ASSERT_TRUE(peer.Send(Frame(50, "")));
    bool bThrown = false;
    for (int i = 0; i < 10000 && !bThrown && unit.frames.empty(); ++i) {
        try {
            unit.tick();
        } catch (int n) {
            bThrown = n == 42;
        }
        if (!bThrown && unit.frames.empty()) {
            ::poll(nullptr, 0, 1);
        }
    }
    EXPECT_TRUE(bThrown);
    // The frame was consumed; the session goes on.
    ASSERT_TRUE(peer.Send(Frame(51, "")));
    ASSERT_TRUE(PumpUntil(unit, [&] { return unit.frames.size() == 2; }));
    EXPECT_EQ((Events{"add 1", "frame 1 50 6", "frame 1 51 6"}), unit.events);
}

TEST_F(NetUnitTest, ClientSocketCarriesTheDefaultOptions) {
    const SessionId sid = ConnectAndAccept();
    const NSNet::SOCKET fd = unit.getSession(sid)->getNetIo()->getSocket();
    struct Row {
        const char* name;
        int level;
        int option;
        int expected;
    };
    const Row rows[] = {
        {"SO_REUSEADDR", SOL_SOCKET, SO_REUSEADDR, 1},
        {"SO_KEEPALIVE", SOL_SOCKET, SO_KEEPALIVE, 1},
        {"TCP_KEEPIDLE", IPPROTO_TCP, TCP_KEEPIDLE, 15},
        {"TCP_KEEPINTVL", IPPROTO_TCP, TCP_KEEPINTVL, 5},
        {"TCP_KEEPCNT", IPPROTO_TCP, TCP_KEEPCNT, 3},
        {"TCP_NODELAY", IPPROTO_TCP, TCP_NODELAY, 1},
        // Linux reports twice the 87380 bytes that were set.
        {"SO_SNDBUF", SOL_SOCKET, SO_SNDBUF, 174760},
        {"SO_RCVBUF", SOL_SOCKET, SO_RCVBUF, 174760},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        int value = -1;
        socklen_t len = sizeof(value);
        ASSERT_EQ(0, ::getsockopt(fd, row.level, row.option, &value, &len));
        EXPECT_EQ(row.expected, value);
    }
    EXPECT_NE(0, ::fcntl(fd, F_GETFL) & O_NONBLOCK);
    EXPECT_TRUE(NSNet::isConnected(fd));
}

TEST_F(NetUnitTest, FailedConnectsDrawNoIdAndAreLogged) {
    // A bound socket that does not listen: connecting to it is refused.
    const int holder = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof(addr);
    ASSERT_EQ(0, ::bind(holder, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)));
    ASSERT_EQ(0, ::getsockname(holder, reinterpret_cast<sockaddr*>(&addr), &len));

    SessionId sid = 77;
    EXPECT_FALSE(unit.Connect(ntohs(addr.sin_port), sid));
    EXPECT_EQ(0u, sid);
    ::close(holder);

    const char* const badAddresses[] = {"localhost", "", "256.0.0.1", "127.0.0.1x", "09.0.0.1"};
    for (const char* address : badAddresses) {
        SCOPED_TRACE(address);
        NSNet::SocketInfo info;
        info.address = address;
        info.port = peer.Port();
        sid = 77;
        EXPECT_FALSE(unit.client(&info, sid, 0));
        EXPECT_EQ(0u, sid);
    }
    EXPECT_FALSE(peer.Accept(0));
    EXPECT_TRUE(unit.events.empty());

    const std::string log = NetLog();
    EXPECT_NE(std::string::npos, log.find("[CActiveIo::connect_ex] error:111..."));
    EXPECT_NE(std::string::npos, log.find("[CActiveIo::open] error address:localhost..."));
    EXPECT_NE(std::string::npos, log.find("[CActiveIo::open] error address:256.0.0.1..."));

    // Failed attempts draw no id: the first connection is still 1.
    EXPECT_EQ(1u, ConnectAndAccept());
}

TEST_F(NetUnitTest, EveryFormInetAtonReadsConnects) {
    const char* const forms[] = {"127.0.0.1", "127.1", "2130706433", "0x7f.0.0.1", "0177.0.0.1", "127.0.0.1 "};
    SessionId expected = 0;
    for (const char* address : forms) {
        SCOPED_TRACE(address);
        NSNet::SocketInfo info;
        info.address = address;
        info.port = peer.Port();
        SessionId sid = 0;
        EXPECT_TRUE(unit.client(&info, sid, 0));
        EXPECT_EQ(++expected, sid);
        EXPECT_TRUE(peer.Accept());
    }
}

TEST_F(NetUnitTest, PeerThatNeverReadsMeetsTheOutputBound) {
    peer.SetReceiveBuffer(4096);
    const SessionId sid = ConnectAndAccept();
    nettest::NetProbe big;
    big.set_body(std::string(1 << 20, 'z'));
    NSNet::CNetBuffer& out = unit.getSession(sid)->getOutputBuffer();

    int result = 0;
    int sends = 0;
    for (; sends < 200 && result == 0; ++sends) {
        result = unit.send(sid, big, 60);
        unit.tick();
    }
    ASSERT_EQ(-11, result);
    EXPECT_GT(sends, 60); // about 64 MiB were taken first
    EXPECT_LE(out.capacity(), 64u * 1024 * 1024);

    // Refused whole, and memory stays flat while the peer keeps not reading.
    const tuint32 held = out.size();
    const tuint32 capacity = out.capacity();
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(-11, unit.send(sid, big, 60));
        unit.tick();
    }
    EXPECT_EQ(held, out.size());
    EXPECT_EQ(capacity, out.capacity());

    // Nothing to read and no room to write: the socket reports no event, yet a closed
    // session is destroyed by the next tick.
    EXPECT_EQ(-1, unit.close(sid, 0));
    unit.tick();
    EXPECT_EQ((Events{"add 1", "abort 1 0x0", "delete 1"}), unit.events);
}

TEST_F(NetUnitTest, DestroyingTheUnitLeavesNoCallBackBehind) {
    // A unit on someone else's reactor, destroyed while its session is live.
    struct PlainUnit : NSNet::INetUnit {
        explicit PlainUnit(NSNet::INetIo* io, int& calls) : NSNet::INetUnit(io), m_calls(calls) {}
        int onAddSession(SessionId) override { return ++m_calls; }
        int onDeleteSession(SessionId) override { return ++m_calls; }
        std::string identification() const override { return "PlainUnit"; }
        int onAbortSession(SessionId, int) override { return ++m_calls; }
        tuint16 ListenerPort() const { return nettest::ListenerPort(m_vecListener); }
        int& m_calls;
    };
    int calls = 0;
    std::unique_ptr<PlainUnit> plain(new PlainUnit(static_cast<NSNet::INetIoAgent&>(unit).m_pINetIo, calls));
    NSNet::SocketInfo info;
    info.address = "127.0.0.1";
    info.port = peer.Port();
    SessionId sid = 0;
    ASSERT_TRUE(plain->client(&info, sid, 0));
    ASSERT_TRUE(peer.Accept());
    EXPECT_EQ(1, calls);
    // It also listens, and a connection waits in the backlog when it goes.
    NSNet::SocketInfo listen;
    listen.address = "127.0.0.1";
    listen.port = 0;
    ASSERT_TRUE(plain->server(&listen, 0));
    listen.port = plain->ListenerPort();
    ASSERT_NE(0, listen.port);
    unit.tick();
    const int waiting = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(listen.port);
    ASSERT_EQ(0, ::connect(waiting, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)));
    plain.reset();
    // The reactor deletes the detached session (the peer sees the close) and the
    // listener, without accepting for the gone unit.
    EXPECT_TRUE(PumpUntilPeerEof());
    unit.tick();
    EXPECT_EQ(1, calls);
    EXPECT_TRUE(unit.events.empty());
    const int late = ::socket(AF_INET, SOCK_STREAM, 0);
    EXPECT_NE(0, ::connect(late, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)));
    ::close(late);
    ::close(waiting);
}

TEST_F(NetUnitTest, DestroyingTheAgentClosesItsConnections) {
    std::unique_ptr<RecordingUnit> other(new RecordingUnit());
    SessionId sid = 0;
    ASSERT_TRUE(other->Connect(peer.Port(), sid));
    ASSERT_TRUE(peer.Accept());
    other.reset();
    EXPECT_TRUE(PumpUntil(unit, [&] { return !peer.ReadAvailable() && peer.SawEof(); }));
}

TEST_F(NetUnitTest, ServerSessionsPreparedBuffersAndBroadcast) {
    // server() makes protocol sessions only; HTTP listeners come from httpServer().
    NSNet::SocketInfo info;
    info.address = "127.0.0.1";
    info.port = 0;
    info.type = NSNet::SocketType_HTTP;
    EXPECT_FALSE(unit.server(&info, 0));
    info.port = unit.Listen();
    ASSERT_NE(0, info.port);

    // Two connections to ourselves: client sides and accepted sides are all sessions of
    // the unit. The listener's prototype drew id 1, the clients 2 and 3, and the
    // accepted ends 4 and 5 at the next ticks.
    SessionId first = 0;
    SessionId second = 0;
    ASSERT_TRUE(unit.Connect(info.port, first));
    ASSERT_TRUE(unit.Connect(info.port, second));
    ASSERT_TRUE(PumpUntil(unit, [&] { return unit.sessionCount() == 4; }));
    EXPECT_EQ((Events{"add 2", "add 3", "add 4", "add 5"}), unit.events);
    EXPECT_EQ("127.0.0.1", unit.getPeerIp(first));
    EXPECT_EQ("127.0.0.1", unit.getPeerIp(4));
    EXPECT_EQ("", unit.getPeerIp(99));

    // A prepared buffer holds the same frame as a send of the message.
    nettest::NetProbe probe;
    probe.set_body("abcdefgh");
    std::vector<NSNet::BuffType> buffer;
    ASSERT_EQ(0, unit.makeBuffer(probe, 4, buffer));
    const std::string frame(buffer.begin(), buffer.end());
    EXPECT_EQ("00 00 00 10 00 04 0a 08 61 62 63 64 65 66 67 68", Hex(frame));
    EXPECT_EQ(-1, unit.send(99, buffer));
    ASSERT_EQ(0, unit.send(first, buffer));
    ASSERT_TRUE(PumpUntil(unit, [&] { return unit.frames.size() == 1; }));
    EXPECT_EQ("frame 4 4 16", unit.events.back());

    // Every session takes a broadcast: each end receives one frame.
    EXPECT_EQ(4, unit.broadcast(buffer));
    ASSERT_TRUE(PumpUntil(unit, [&] { return unit.frames.size() == 5; }));
    for (const std::string& f : unit.frames) {
        EXPECT_EQ(Hex(frame), Hex(f));
    }
}

TEST_F(NetUnitTest, PoppedSessionReportsToNobodyUntilPushed) {
    const SessionId sid = ConnectAndAccept();
    NSNet::INetSession* session = unit.popSession(sid);
    ASSERT_NE(nullptr, session);
    EXPECT_EQ(nullptr, unit.popSession(sid));
    EXPECT_EQ(nullptr, unit.getSession(sid));
    EXPECT_EQ(-1, unit.pushSession(nullptr));

    // Out of the unit: a frame it receives goes nowhere, and no call-back fires.
    ASSERT_TRUE(peer.Send(Frame(3, "lost")));
    ASSERT_TRUE(PumpUntil(unit, [&] { return session->getInputBuffer().empty(); }));
    unit.tick();
    EXPECT_TRUE(unit.frames.empty());
    EXPECT_EQ((Events{"add 1"}), unit.events);

    // Pushed back, it joins under a new id and reports again, up to its delete.
    ASSERT_EQ(0, unit.pushSession(session));
    EXPECT_EQ(2u, session->getSessionId());
    EXPECT_EQ((Events{"add 1", "add 2"}), unit.events);
    ASSERT_TRUE(peer.Send(Frame(3, "kept")));
    ASSERT_TRUE(PumpUntil(unit, [&] { return unit.frames.size() == 1; }));
    peer.Close();
    ASSERT_TRUE(PumpUntilEvent("delete 2"));
    EXPECT_EQ((Events{"add 1", "add 2", "frame 2 3 10", "abort 2 0x10000", "delete 2"}), unit.events);
}
