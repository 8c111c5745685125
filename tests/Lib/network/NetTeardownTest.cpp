// An endpoint destroyed with bytes still queued: its streams send them on their way
// out, as far as the socket takes them, before the connection closes.

#include "LogDefine.h"
#include "LoopbackPeer.h"
#include "TempWorkDir.h"
#include "net_session.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <poll.h>
#include <string>

using nettest::LoopbackPeer;
using nettest::RecordingUnit;
using NSNet::SessionId;

namespace {

// Reads from the peer until the connection ends (bounded); true when it ended.
bool ReadUntilEof(LoopbackPeer& peer) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        if (!peer.ReadAvailable()) {
            return peer.SawEof();
        }
        ::poll(nullptr, 0, 5);
    }
    return false;
}

TEST(NetTeardown, DestroyingTheEndpointSendsWhatIsStillQueued) {
    TempWorkDir dir;
    // Several output steps' worth, so the last send is not a single system call.
    std::string bytes;
    for (int i = 0; i < 5000; ++i) {
        bytes += static_cast<char>('a' + i % 26);
    }
    const struct {
        const char* name;
        bool bCloseFirst; // closed by the application before it goes, or still live
    } rows[] = {{"live", false}, {"closed", true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        LoopbackPeer peer;
        ASSERT_NE(0, peer.Port());
        std::unique_ptr<RecordingUnit> unit(new RecordingUnit());
        SessionId sid = 0;
        ASSERT_TRUE(unit->Connect(peer.Port(), sid));
        ASSERT_TRUE(peer.Accept());
        const NSNet::BuffType* data = reinterpret_cast<const NSNet::BuffType*>(bytes.data());
        ASSERT_EQ(0, unit->send(sid, data, 1000));
        if (row.bCloseFirst) {
            EXPECT_EQ(-1, unit->close(sid, NSNet::enClose_Active));
        }
        ASSERT_EQ(0, unit->send(sid, data + 1000, static_cast<tuint32>(bytes.size() - 1000)));
        // Never ticked: no output step has run, only the teardown can send.
        unit.reset();
        ASSERT_TRUE(ReadUntilEof(peer));
        EXPECT_EQ(bytes.size(), peer.Received().size());
        EXPECT_TRUE(bytes == peer.Received());
    }
    gSNetLogSink.Flush(); // the session lines go to this test's folder
}

} // namespace
