// The socket streams: ring growth, byte access, Fill's cases and codes, Write and Flush.

#include "PacketDef.h"

#include "SocketTestLoopback.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

using namespace sockettest;

namespace {

tuint32 Code(tint32 n)
{
    return static_cast<tuint32>(n);
}

// One loopback connection feeding an input stream on its accepted end; the client end is
// the peer that sends Pattern(0, ...) in order, so content shows its position. A 16-byte block
// unless told otherwise.
class Feed {
public:
    explicit Feed(tuint32 uMaxBufferLen = 1 << 20) : m_Stream(&m_Pair.m_Server, 16, uMaxBufferLen)
    {
        EXPECT_TRUE(m_Pair.m_bConnected);
        EXPECT_TRUE(m_Pair.m_Server.setNonBlocking(true));
    }

    // Sends the next uCount pattern bytes and waits until all that Fill has not taken arrived.
    void PeerSends(size_t uCount)
    {
        ASSERT_TRUE(SendAll(m_Pair.m_Client, Pattern(m_uSent, uCount)));
        m_uSent += uCount;
        ASSERT_TRUE(WaitAvailable(m_Pair.m_Server, static_cast<tuint32>(m_uSent - m_uFilled)));
    }

    void PeerCloses()
    {
        m_Pair.m_Client.close();
        ASSERT_TRUE(WaitPeerClosed(m_Pair.m_Server));
    }

    // The peer aborts the connection (a reset): bytes that arrived before it are still read,
    // the receive after them fails.
    void PeerResets()
    {
        linger ling = {1, 0};
        ASSERT_TRUE(SocketAPI::setsockopt_ex(m_Pair.m_Client.getSOCKET(), SOL_SOCKET, SO_LINGER,
                                             &ling, sizeof(ling)));
        m_Pair.m_Client.close();
        // Polled, not asked through SO_ERROR: reading SO_ERROR would clear the pending reset.
        ASSERT_TRUE(WaitUntil([&] {
            pollfd pfd = {m_Pair.m_Server.getSOCKET(), 0, 0};
            return poll(&pfd, 1, 0) == 1 && (pfd.revents & POLLERR) != 0;
        }));
    }

    tuint32 Fill()
    {
        tuint32 uResult = m_Stream.Fill();
        if (static_cast<tint32>(uResult) > 0) {
            m_uFilled += uResult;
        }
        return uResult;
    }

    // Head and tail at uAt, empty.
    void EmptyAt(tuint32 uAt)
    {
        PeerSends(uAt);
        ASSERT_EQ(Fill(), uAt);
        ASSERT_TRUE(m_Stream.Skip(uAt));
        m_uConsumed += uAt;
        ASSERT_EQ(m_Stream.Head(), uAt);
        ASSERT_EQ(m_Stream.Tail(), uAt);
    }

    // Head 10, tail 3: 9 bytes held across the end of the block.
    void Wrapped()
    {
        PeerSends(12);
        ASSERT_EQ(Fill(), 12u);
        tchar buf[10];
        ASSERT_EQ(m_Stream.Read(buf, 10), 10u);
        m_uConsumed += 10;
        PeerSends(7);
        ASSERT_EQ(Fill(), 7u);
        ASSERT_EQ(m_Stream.Head(), 10u);
        ASSERT_EQ(m_Stream.Tail(), 3u);
        ASSERT_EQ(m_Stream.Content(), Pattern(10, 9));
    }

    // Head 0, tail 15: full, nothing waiting, so no growth yet.
    void FullFromStart()
    {
        PeerSends(15);
        ASSERT_EQ(Fill(), 15u);
        ASSERT_EQ(m_Stream.BufferLen(), 16u);
        ASSERT_EQ(m_Stream.Tail(), 15u);
    }

    // Head 10, tail 9: full across the end of the block.
    void FullWrapped()
    {
        Wrapped();
        PeerSends(6);
        ASSERT_EQ(Fill(), 6u);
        ASSERT_EQ(m_Stream.BufferLen(), 16u);
        ASSERT_EQ(m_Stream.Tail(), 9u);
    }

    enum State { AtStart, EmptyAt5, EmptyAt1, HeadAfterTail, Full, FullHeadAfterTail };
    void Prepare(State eState)
    {
        switch (eState) {
        case AtStart:
            break;
        case EmptyAt5:
            EmptyAt(5);
            break;
        case EmptyAt1:
            EmptyAt(1);
            break;
        case HeadAfterTail:
            Wrapped();
            break;
        case Full:
            FullFromStart();
            break;
        case FullHeadAfterTail:
            FullWrapped();
            break;
        }
    }

    // Everything sent and not yet taken out, in order.
    std::string Expected() const { return Pattern(m_uConsumed, m_uSent - m_uConsumed); }

    LoopbackPair m_Pair;
    InputProbe m_Stream;
    size_t m_uSent = 0;      // bytes the peer sent
    size_t m_uFilled = 0;    // bytes Fill counted
    size_t m_uConsumed = 0;  // bytes taken out of the stream
};

// A Socket over a descriptor the test made, for failures a TCP peer cannot cause at the
// right moment. Closed by the Socket when it is a socket; a pipe end is only forgotten (its
// SO_ERROR cannot be read), so the test closes that itself.
class AdoptedSocket : public Socket {
public:
    explicit AdoptedSocket(SOCKET fd) { m_SocketID = fd; }
};

// The streams' fields, in their order, for the layout check.
template <typename StreamType>
class FieldProbe : public StreamType {
public:
    using StreamType::StreamType;

    std::vector<const char*> Addresses() const
    {
        return {reinterpret_cast<const char*>(&this->m_pSocket),
                reinterpret_cast<const char*>(&this->m_Buffer),
                reinterpret_cast<const char*>(&this->m_BufferLen),
                reinterpret_cast<const char*>(&this->m_MaxBufferLen),
                reinterpret_cast<const char*>(&this->m_Head),
                reinterpret_cast<const char*>(&this->m_Tail)};
    }
};

template <typename StreamType>
void ExpectTheListedFieldsOnly()
{
    // The pointer to the virtual destructor's table, then m_pSocket, m_Buffer, m_BufferLen,
    // m_MaxBufferLen, m_Head, m_Tail and nothing else.
    EXPECT_EQ(sizeof(StreamType), 3 * sizeof(void*) + 4 * sizeof(tuint32));
    FieldProbe<StreamType> probe(nullptr, 16, 16);
    std::vector<const char*> addresses = probe.Addresses();
    EXPECT_EQ(addresses.front(), reinterpret_cast<const char*>(&probe) + sizeof(void*));
    for (size_t i = 1; i < addresses.size(); ++i) {
        EXPECT_LT(addresses[i - 1], addresses[i]) << "field " << i;
    }
}

}  // namespace

TEST(SocketStream, ResizeGrowsByTheLargerOfSizeAndHalf)
{
    struct Row {
        tuint32 uLen;
        tint32 nSize;
        tuint32 uExpected;
    };
    const Row rows[] = {
        {16384, 1, 24576},
        {16384, 10000, 26384},
        {16, 100, 116},
        {16, -5, 24},
        {1, 0, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.uLen << " by " << row.nSize);
        OutputProbe stream(nullptr, row.uLen, 1 << 20);
        EXPECT_TRUE(stream.Resize(row.nSize));
        EXPECT_EQ(stream.BufferLen(), row.uExpected);
    }

    // Wrapped content comes to the start of the new block, in order.
    OutputProbe stream(nullptr, 16, 1 << 20);
    stream.Place(12, "ABCDEFGH");
    ASSERT_LT(stream.Tail(), stream.Head());
    ASSERT_TRUE(stream.Resize(1));
    EXPECT_EQ(stream.BufferLen(), 24u);
    EXPECT_EQ(stream.Head(), 0u);
    EXPECT_EQ(stream.Tail(), 8u);
    EXPECT_EQ(stream.Content(), "ABCDEFGH");
    EXPECT_EQ(stream.Length(), 8u);
}

TEST(SocketStream, StreamsHoldTheListedFieldsInOrder)
{
    ExpectTheListedFieldsOnly<SocketInputStream>();
    ExpectTheListedFieldsOnly<SocketOutputStream>();
}

TEST(SocketStream, InitsizeDropsTheContentAndRestoresTheResetSize)
{
    Socket none;
    InputProbe in(&none, 16, 1 << 20);
    OutputProbe out(&none, 16, 1 << 20);
    out.Place(3, "abc");
    in.Place(15, "xyz");
    in.Initsize();
    out.Initsize();
    EXPECT_EQ(in.BufferLen(), 65536u);
    EXPECT_EQ(out.BufferLen(), 16384u);
    EXPECT_EQ(in.Length(), 0u);
    EXPECT_EQ(out.Length(), 0u);
    EXPECT_EQ(in.Head(), 0u);
    EXPECT_EQ(out.Tail(), 0u);
}

TEST(SocketStream, EmptyBlockStillWorks)
{
    // A block of 0 bytes is one byte: the free room must not wrap around to 4 GiB.
    LoopbackPair pair;
    ASSERT_TRUE(pair.m_bConnected);
    OutputProbe out(&pair.m_Client, 0, 1 << 20);
    InputProbe in(&pair.m_Server, 0, 1 << 20);
    EXPECT_EQ(out.BufferLen(), 1u);
    EXPECT_EQ(out.Write("hello", 5), 5u);
    EXPECT_EQ(out.Flush(), 5u);
    ASSERT_TRUE(WaitAvailable(pair.m_Server, 5));
    EXPECT_EQ(in.Fill(), 5u);
    tchar buf[5];
    ASSERT_EQ(in.Read(buf, 5), 5u);
    EXPECT_EQ(std::string(buf, 5), "hello");
}

TEST(SocketStream, WriteGrowsWhenTheBytesWouldLeaveNoFreeByte)
{
    struct Row {
        const char* szCase;
        tuint32 uAt;  // head and tail before the write
        tuint32 uLen;
        tuint32 uBufferLen;  // after
        tuint32 uTail;       // after
    };
    const Row rows[] = {
        {"fits with room to spare", 0, 14, 16, 14},
        {"len equals the free room", 0, 15, 24, 15},
        {"wraps: to the end, then from the start", 10, 8, 16, 2},
        {"wrapping, len equals the free room", 10, 15, 24, 15},
        {"nothing to write", 7, 0, 16, 7},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.szCase);
        OutputProbe stream(nullptr, 16, 1 << 20);
        stream.Place(row.uAt, "");
        std::string strData = Pattern(0, row.uLen);
        EXPECT_EQ(stream.Write(strData.data(), row.uLen), row.uLen);
        EXPECT_EQ(stream.BufferLen(), row.uBufferLen);
        EXPECT_EQ(stream.Tail(), row.uTail);
        EXPECT_EQ(stream.Length(), row.uLen);
        EXPECT_EQ(stream.Content(), strData);
        if (row.uLen > 0) {
            EXPECT_NE(stream.Head(), stream.Tail()) << "a full ring is never head == tail";
        }
    }
}

TEST(SocketStream, WriteTooLargeForTheGrowthSizeIsRefused)
{
    // The growth is a signed 32-bit size: more than that is refused, not grown too little.
    OutputProbe stream(nullptr, 16, 0xFFFFFFFFu);
    stream.Place(0, "ab");
    const tchar byte = 'x';  // never read: the write is refused before any copy
    EXPECT_EQ(stream.Write(&byte, 0xF0000000u), 0u);
    EXPECT_EQ(stream.BufferLen(), 16u);
    EXPECT_EQ(stream.Content(), "ab");
}

TEST(SocketStream, ReadPeekSkipAcrossTheEndOfTheBlock)
{
    Socket none;
    InputProbe stream(&none, 16, 1 << 20);
    stream.Place(10, "0123456789");  // [10,16) then [0,4)
    struct Step {
        const char* szOp;
        tuint32 uLen;
        tuint32 uResult;        // Read's count, or 1/0 for Peek and Skip
        const char* szBytes;    // what Read or Peek gave
        tuint32 uLengthAfter;
    };
    const Step steps[] = {
        {"peek", 0, 0, "", 10},  {"peek", 11, 0, "", 10}, {"read", 0, 0, "", 10},
        {"read", 11, 0, "", 10}, {"skip", 0, 0, "", 10},  {"skip", 11, 0, "", 10},
        {"peek", 8, 1, "01234567", 10},
        {"read", 7, 7, "0123456", 3},
        {"skip", 1, 1, "", 2},
        {"read", 2, 2, "89", 0},
        {"read", 1, 0, "", 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << step.szOp << " " << step.uLen);
        tchar buf[16] = {};
        std::string strOp = step.szOp;
        tuint32 uResult = 0;
        if (strOp == "read") {
            uResult = stream.Read(buf, step.uLen);
        } else if (strOp == "peek") {
            uResult = stream.Peek(buf, step.uLen) ? 1 : 0;
        } else {
            uResult = stream.Skip(step.uLen) ? 1 : 0;
        }
        EXPECT_EQ(uResult, step.uResult);
        EXPECT_EQ(std::string(buf), step.szBytes);
        EXPECT_EQ(stream.Length(), step.uLengthAfter);
    }
}

TEST(SocketInputStream, WouldBlockIsNoError)
{
    Feed feed;
    EXPECT_EQ(feed.Fill(), 0u);
    EXPECT_EQ(feed.m_Stream.Length(), 0u);
    feed.PeerSends(5);
    EXPECT_EQ(feed.Fill(), 5u);
    EXPECT_EQ(feed.Fill(), 0u);
    EXPECT_EQ(feed.m_Stream.Content(), feed.Expected());
}

TEST(SocketInputStream, BytesReadBeforeAWouldBlockAreCounted)
{
    // Head 5: exactly the run [5,16) arrives, then the receive into [0,4) would block.
    Feed feed;
    feed.EmptyAt(5);
    feed.PeerSends(11);
    EXPECT_EQ(feed.Fill(), 11u);
    EXPECT_EQ(feed.m_Stream.Tail(), 0u);
    EXPECT_EQ(feed.m_Stream.Content(), feed.Expected());
}

TEST(SocketInputStream, FailureCodeTellsTheCase)
{
    enum Event { PeerClosed, PeerReset, SocketGone };
    struct Row {
        const char* szCase;
        Feed::State eState;
        size_t uLastBytes;  // sent just before the event
        Event eEvent;
        tint32 nCode;
        size_t uLengthAfter;
    };
    const Row rows[] = {
        {"head 0, run [t, B-1), peer closed", Feed::AtStart, 0, PeerClosed, -3, 0},
        {"head <= tail, run [t, B), peer closed", Feed::EmptyAt5, 0, PeerClosed, -8, 0},
        {"head <= tail, then run [0, h-1), peer closed", Feed::EmptyAt5, 11, PeerClosed, -10, 11},
        {"tail < head, run [t, h-1), peer closed", Feed::HeadAfterTail, 0, PeerClosed, -15, 9},
        {"head <= tail, run [t, B) filled, then [0, h-1) reset", Feed::EmptyAt5, 11, PeerReset, -9,
         11},
        {"head 0, run [t, B-1), socket gone", Feed::AtStart, 0, SocketGone, -2, 0},
        {"head <= tail, run [t, B), socket gone", Feed::EmptyAt5, 0, SocketGone, -7, 0},
        {"tail < head, run [t, h-1), socket gone", Feed::HeadAfterTail, 0, SocketGone, -14, 9},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.szCase);
        Feed feed;
        feed.Prepare(row.eState);
        if (row.uLastBytes > 0) {
            feed.PeerSends(row.uLastBytes);
        }
        if (row.eEvent == PeerClosed) {
            feed.PeerCloses();
        } else if (row.eEvent == PeerReset) {
            feed.PeerResets();
        } else {
            feed.m_Pair.m_Server.close();
        }
        EXPECT_EQ(feed.Fill(), Code(row.nCode));
        EXPECT_EQ(feed.m_Stream.Length(), row.uLengthAfter);
        EXPECT_EQ(feed.m_Stream.Content(), feed.Expected().substr(0, row.uLengthAfter));
    }
}

TEST(SocketInputStream, FullRingGrowsOnceForWhatWaitsOrDropsAtTheLimit)
{
    struct Row {
        const char* szCase;
        Feed::State eState;
        tuint32 uMaxBufferLen;
        tint32 nResult;         // 40 bytes sent: the count, or the limit's code
        tuint32 uBufferLen;     // after
        tuint32 uLength;        // after
    };
    const Row rows[] = {
        // 15 fill [0,15), 25 wait: grown by 26 to 42.
        {"head 0", Feed::AtStart, 1000, 40, 42, 40},
        {"head 0, limit", Feed::AtStart, 41, -4, 65536, 0},
        // 11 fill [5,16), 4 fill [0,4), 25 wait.
        {"head 5", Feed::EmptyAt5, 1000, 40, 42, 40},
        {"head 5, limit", Feed::EmptyAt5, 41, -11, 65536, 0},
        // 15 fill [1,16), the start run is empty, 25 wait.
        {"head 1", Feed::EmptyAt1, 1000, 40, 42, 40},
        {"head 1, limit", Feed::EmptyAt1, 41, -11, 65536, 0},
        // 9 held; 6 fill [3,9), 34 wait: grown by 35 to 51.
        {"tail < head", Feed::HeadAfterTail, 1000, 40, 51, 49},
        {"tail < head, limit", Feed::HeadAfterTail, 50, -16, 65536, 0},
        {"tail < head, exactly at the limit", Feed::HeadAfterTail, 51, 40, 51, 49},
        // No free run at all: 40 wait, grown by 41 to 57.
        {"head 0, already full", Feed::Full, 1000, 40, 57, 55},
        {"head 0, already full, limit", Feed::Full, 56, -4, 65536, 0},
        {"tail < head, already full", Feed::FullHeadAfterTail, 1000, 40, 57, 55},
        {"tail < head, already full, limit", Feed::FullHeadAfterTail, 56, -16, 65536, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.szCase);
        Feed feed(row.uMaxBufferLen);
        feed.Prepare(row.eState);
        feed.PeerSends(40);
        EXPECT_EQ(feed.Fill(), Code(row.nResult));
        EXPECT_EQ(feed.m_Stream.BufferLen(), row.uBufferLen);
        EXPECT_EQ(feed.m_Stream.Length(), row.uLength);
        if (row.uLength > 0) {
            EXPECT_EQ(feed.m_Stream.Content(), feed.Expected()) << "in order, nothing lost";
        }
    }
}

TEST(SocketInputStream, ReceiveFailingAfterTheRingGrewTellsTheCase)
{
    // Two descriptors that fail the receive made after growing, while bytes still wait:
    // - a pipe end: FIONREAD counts the bytes in the pipe, recv fails (ENOTSOCK), so a ring
    //   that is already full grows and then fails without an earlier receive;
    // - one end of an AF_UNIX SOCK_SEQPACKET pair: each receive takes one record, an empty
    //   record reads as 0 (as from a closed peer) and FIONREAD counts the records behind it.
    enum Kind { PipeEnd, Records };
    struct Row {
        const char* szCase;
        Kind eKind;
        tuint32 uHead;                 // where the held bytes start
        tuint32 uHeld;                 // held before Fill
        std::vector<size_t> records;   // sizes sent after them, in order (a pipe: one write)
        tint32 nCode;
        tuint32 uLength;               // after: what was held or read stays, in order
    };
    const Row rows[] = {
        {"head 0, full, receive fails", PipeEnd, 0, 15, {5}, -5, 15},
        {"tail < head, full, receive fails", PipeEnd, 10, 15, {5}, -17, 15},
        {"head 0, run [t, B-1) filled, peer closed", Records, 0, 0, {15, 0, 5}, -6, 15},
        {"head 0, full, peer closed", Records, 0, 15, {0, 5}, -6, 15},
        {"head 5, both runs filled, peer closed", Records, 5, 0, {11, 4, 0, 5}, -13, 15},
        {"head 1, run [t, B) filled, no start run, peer closed", Records, 1, 0, {15, 0, 5}, -13,
         15},
        {"tail < head, run [t, h-1) filled, peer closed", Records, 10, 9, {6, 0, 5}, -18, 15},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.szCase);
        tint32 fd[2] = {-1, -1};
        if (row.eKind == PipeEnd) {
            ASSERT_EQ(pipe(fd), 0);
        } else {
            ASSERT_EQ(socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_NONBLOCK, 0, fd), 0);
        }
        size_t uSent = row.uHeld;
        for (size_t uRecord : row.records) {
            std::string strRecord = Pattern(uSent, uRecord);
            ASSERT_EQ(write(fd[1], strRecord.data(), uRecord), static_cast<ssize_t>(uRecord));
            uSent += uRecord;
        }
        {
            AdoptedSocket sock(fd[0]);
            InputProbe stream(&sock, 16, 1 << 20);
            stream.Place(row.uHead, Pattern(0, row.uHeld));
            EXPECT_EQ(stream.Fill(), Code(row.nCode));
            // 5 bytes waited: grown by max(6, 16 / 2) before the failing receive.
            EXPECT_EQ(stream.BufferLen(), 24u);
            EXPECT_EQ(stream.Length(), row.uLength);
            EXPECT_EQ(stream.Content(), Pattern(0, row.uLength));
        }
        if (row.eKind == PipeEnd) {
            close(fd[0]);
        }
        close(fd[1]);
    }
}

TEST(SocketInputStream, ManyFillsDeliverEveryByteInOrder)
{
    Feed feed;
    std::string strGot;
    for (size_t i = 0; i < 40; ++i) {
        feed.PeerSends(7 + i * 13);
        ASSERT_GT(static_cast<tint32>(feed.Fill()), 0);
        // Take out a little less than came in, so head and tail walk round the block.
        tuint32 uTake = feed.m_Stream.Length() > 3 ? feed.m_Stream.Length() - 3 : 0;
        std::string buf(uTake, '\0');
        if (uTake > 0) {
            ASSERT_EQ(feed.m_Stream.Read(&buf[0], uTake), uTake);
        }
        strGot += buf;
    }
    std::string strRest(feed.m_Stream.Length(), '\0');
    ASSERT_EQ(feed.m_Stream.Read(&strRest[0], static_cast<tuint32>(strRest.size())), strRest.size());
    strGot += strRest;
    EXPECT_EQ(strGot, Pattern(0, feed.m_uSent));
}

TEST(SocketOutputStream, FlushSendsTheRunToTheEndFirst)
{
    struct Row {
        const char* szCase;
        tuint32 uHead;
        const char* szPlaced;  // put into the block from uHead on
        const char* szWritten;  // then written
        const char* szSent;
    };
    const Row rows[] = {
        {"empty", 0, "", "", ""},
        {"one run", 0, "", "hello", "hello"},
        {"wrapped: [12,16) then [0,4)", 12, "ABCDEFGH", "", "ABCDEFGH"},
        {"written in two pieces", 10, "", "abcdefgh", "abcdefgh"},
        {"wrapped and more written", 14, "ABCD", "efgh", "ABCDefgh"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.szCase);
        LoopbackPair pair;
        ASSERT_TRUE(pair.m_bConnected);
        OutputProbe stream(&pair.m_Client, 16, 1 << 20);
        stream.Place(row.uHead, row.szPlaced);
        std::string strWritten = row.szWritten;
        ASSERT_EQ(stream.Write(strWritten.data(), static_cast<tuint32>(strWritten.size())),
                  strWritten.size());
        std::string strSent = row.szSent;
        EXPECT_EQ(stream.Flush(), strSent.size());
        EXPECT_EQ(stream.Length(), 0u);
        EXPECT_EQ(stream.Head(), 0u);
        EXPECT_EQ(stream.Tail(), 0u);
        EXPECT_EQ(ReceiveExactly(pair.m_Server, strSent.size()), strSent);
    }
}

TEST(SocketOutputStream, FlushPastTheLimitDropsEverything)
{
    LoopbackPair pair;
    ASSERT_TRUE(pair.m_bConnected);
    OutputProbe stream(&pair.m_Client, 16, 32);
    std::string strData = Pattern(0, 40);
    ASSERT_EQ(stream.Write(strData.data(), 40), 40u);
    ASSERT_EQ(stream.BufferLen(), 42u);
    EXPECT_EQ(stream.Flush(), Code(-2));
    EXPECT_EQ(stream.Length(), 0u);
    EXPECT_EQ(stream.BufferLen(), 16384u);
    // The peer's first byte is one sent after the drop.
    ASSERT_EQ(pair.m_Client.send("Z", 1, MSG_NOSIGNAL), 1u);
    EXPECT_EQ(ReceiveExactly(pair.m_Server, 1), "Z");
}

TEST(SocketOutputStream, FlushFailureCodeTellsTheRun)
{
    struct Row {
        const char* szCase;
        tuint32 uHead;
        const char* szPlaced;
        tint32 nCode;
    };
    const Row rows[] = {
        {"head < tail", 0, "hello", -3},
        {"tail < head: the run to the end", 12, "ABCDEFGH", -4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.szCase);
        Socket gone;
        OutputProbe stream(&gone, 16, 1 << 20);
        stream.Place(row.uHead, row.szPlaced);
        EXPECT_EQ(stream.Flush(), Code(row.nCode));
        EXPECT_EQ(stream.Content(), row.szPlaced) << "nothing was sent, nothing is lost";
    }
}

TEST(SocketOutputStream, FlushFailingOnTheRunFromTheStartKeepsIt)
{
    // A connected UDP socket sends the short run to the end of the block as one datagram and
    // refuses the run from the start, larger than any datagram (EMSGSIZE).
    tint32 fdReceiver = socket(AF_INET, SOCK_DGRAM, 0);
    tint32 fdSender = socket(AF_INET, SOCK_DGRAM, 0);
    ASSERT_GE(fdReceiver, 0);
    ASSERT_GE(fdSender, 0);
    sockaddr_in addr;
    memset(&addr, 0, sizeof(addr));
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(fdReceiver, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)), 0);
    socklen_t uAddrLen = sizeof(addr);
    ASSERT_EQ(getsockname(fdReceiver, reinterpret_cast<sockaddr*>(&addr), &uAddrLen), 0);
    ASSERT_EQ(connect(fdSender, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)), 0);
    {
        AdoptedSocket sender(fdSender);
        OutputProbe stream(&sender, 70016, 1 << 20);
        std::string strData = Pattern(0, 70010);
        stream.Place(70006, strData);  // [70006, 70016), then [0, 70000)
        EXPECT_EQ(stream.Flush(), Code(-5));
        EXPECT_EQ(stream.Head(), 0u);
        EXPECT_EQ(stream.Content(), strData.substr(10)) << "what was not sent stays queued";

        pollfd pfd = {fdReceiver, POLLIN, 0};
        ASSERT_EQ(poll(&pfd, 1, 20000), 1);
        char buf[64];
        ASSERT_EQ(recv(fdReceiver, buf, sizeof(buf), MSG_DONTWAIT), 10);
        EXPECT_EQ(std::string(buf, 10), strData.substr(0, 10)) << "the run to the end went first";
    }
    close(fdReceiver);
}

TEST(SocketOutputStream, FlushToAClosedPeerFailsWithoutASignal)
{
    LoopbackPair pair;
    ASSERT_TRUE(pair.m_bConnected);
    OutputProbe stream(&pair.m_Client, 16, 1 << 20);
    pair.m_Server.close();
    tuint32 uResult = 0;
    // The first sends may still be taken before the reset comes back; a SIGPIPE would end the
    // test process here.
    ASSERT_TRUE(WaitUntil([&] {
        stream.Write("0123456789", 10);
        uResult = stream.Flush();
        return uResult == Code(-3);
    }));
    EXPECT_EQ(stream.Length(), 10u);
}

TEST(SocketOutputStream, PartialFlushContinuesWhereItStopped)
{
    LoopbackPair pair;
    ASSERT_TRUE(pair.m_bConnected);
    tint32 nSmall = 4096;  // the peer's receive window still takes a good part, never 1 MiB
    ASSERT_TRUE(SocketAPI::setsockopt_ex(pair.m_Client.getSOCKET(), SOL_SOCKET, SO_SNDBUF, &nSmall,
                                         sizeof(nSmall)));
    ASSERT_TRUE(pair.m_Client.setNonBlocking(true));
    ASSERT_TRUE(pair.m_Server.setNonBlocking(true));

    OutputProbe stream(&pair.m_Client, 16384, 1 << 24);
    const size_t uFirst = 1 << 20;
    std::string strFirst = Pattern(0, uFirst);
    ASSERT_EQ(stream.Write(strFirst.data(), static_cast<tuint32>(uFirst)), uFirst);
    EXPECT_EQ(stream.Flush(), 0u) << "the peer reads nothing yet";
    tuint32 uLeft = stream.Length();
    EXPECT_GT(uLeft, 0u);
    EXPECT_LT(uLeft, uFirst);

    // Written behind the sent bytes: the ring wraps.
    const size_t uSecond = 1000;
    std::string strSecond = Pattern(uFirst, uSecond);
    ASSERT_EQ(stream.Write(strSecond.data(), static_cast<tuint32>(uSecond)), uSecond);
    EXPECT_LT(stream.Tail(), stream.Head());

    std::string strGot;
    tuint32 uLastFlush = 0;
    ASSERT_TRUE(WaitUntil([&] {
        char buf[65536];
        tuint32 n = pair.m_Server.receive(buf, sizeof(buf), 0);
        if (n != Code(SOCKET_ERROR_WOULDBLOCK) && static_cast<tint32>(n) > 0) {
            strGot.append(buf, n);
        }
        if (stream.Length() > 0) {
            uLastFlush = stream.Flush();
            EXPECT_NE(static_cast<tint32>(uLastFlush), -3);
            EXPECT_NE(static_cast<tint32>(uLastFlush), -4);
            EXPECT_NE(static_cast<tint32>(uLastFlush), -5);
        }
        return strGot.size() >= uFirst + uSecond;
    }));
    EXPECT_GT(uLastFlush, 0u) << "the last Flush sent the rest";
    EXPECT_EQ(stream.Length(), 0u);
    ASSERT_EQ(strGot.size(), uFirst + uSecond);
    EXPECT_TRUE(strGot == strFirst + strSecond) << "every byte once, in order";
}
