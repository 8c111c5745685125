// Packets through the socket streams: the frame byte for byte, the cipher on the body only,
// round trips over loopback in every scratch size class, and frames that cannot be taken.

#include "PacketDef.h"

#include "SocketTestLoopback.h"

#include <gtest/gtest.h>

#include <google/protobuf/wrappers.pb.h>

#include <string>
#include <vector>

using namespace sockettest;

namespace {

// A packet carrying one BytesValue (field 1, bytes). nSizeSkew makes GetPacketSize lie.
class BytesPacket : public Packet {
public:
    BytesPacket(google::protobuf::BytesValue& rMsg, tuint16 uID, tint32 nSizeSkew = 0)
        : Packet(rMsg), m_rMsg(rMsg), m_uID(uID), m_nSizeSkew(nSizeSkew)
    {
    }
    void CleanUp() override { m_rMsg.Clear(); }
    tuint32 Execute(Player*) override { return PACKET_EXE_CONTINUE; }
    tuint32 Execute(ServerEntity*) override { return PACKET_EXE_CONTINUE; }
    tuint16 GetPacketID() const override { return m_uID; }
    tuint32 GetPacketSize() const override
    {
        return static_cast<tuint32>(static_cast<tint64>(m_rMsg.ByteSizeLong()) + m_nSizeSkew);
    }

private:
    google::protobuf::BytesValue& m_rMsg;
    tuint16 m_uID;
    tint32 m_nSizeSkew;
};

std::string FrameOf(tuint16 uID, const std::string& strValue, bool bCrypto)
{
    google::protobuf::BytesValue msg;
    msg.set_value(strValue);
    BytesPacket packet(msg, uID);
    OutputProbe stream(nullptr, 16, 1 << 24);
    EXPECT_TRUE(stream.WritePacket(packet, bCrypto));
    return stream.Content();
}

tuint32 TotalLengthOf(const tchar* pHeader)
{
    const tuint8* p = reinterpret_cast<const tuint8*>(pHeader);
    return (tuint32(p[0]) << 24) | (tuint32(p[1]) << 16) | (tuint32(p[2]) << 8) | p[3];
}

tuint16 PacketIDOf(const tchar* pHeader)
{
    const tuint8* p = reinterpret_cast<const tuint8*>(pHeader);
    return static_cast<tuint16>((p[4] << 8) | p[5]);
}

// An input stream on the accepted end of a loopback connection, fed by raw client sends.
struct RawFeed {
    LoopbackPair m_Pair;
    InputProbe m_Stream{&m_Pair.m_Server, 64, 1 << 20};
    size_t m_uSent = 0;

    RawFeed()
    {
        EXPECT_TRUE(m_Pair.m_bConnected);
        EXPECT_TRUE(m_Pair.m_Server.setNonBlocking(true));
    }
    // Sends the bytes and fills until the stream holds all that was sent.
    void Send(const std::string& strBytes)
    {
        ASSERT_TRUE(SendAll(m_Pair.m_Client, strBytes));
        m_uSent += strBytes.size();
        ASSERT_TRUE(WaitUntil([&] {
            m_Stream.Fill();
            return m_Stream.Length() >= m_uSent;
        }));
    }
};

}  // namespace

TEST(SocketPacket, FrameByteForByte)
{
    struct Row {
        const char* szCase;
        tuint16 uID;
        std::string strValue;
        bool bCrypto;
        std::string strFrame;
    };
    const Row rows[] = {
        {"abc", 0x0102, "abc", false,
         Bytes({0x00, 0x00, 0x00, 0x0B, 0x01, 0x02, 0x0A, 0x03, 0x61, 0x62, 0x63})},
        // Body 0A 03 61 62 63 against '3' 'A' '7' 'C' '1'; the header stays plain.
        {"abc enciphered", 0x0102, "abc", true,
         Bytes({0x00, 0x00, 0x00, 0x0B, 0x01, 0x02, 0x39, 0x42, 0x56, 0x21, 0x52})},
        {"empty body: the header alone", 7, "", false, Bytes({0x00, 0x00, 0x00, 0x06, 0x00, 0x07})},
        {"empty body enciphered", 7, "", true, Bytes({0x00, 0x00, 0x00, 0x06, 0x00, 0x07})},
        // 300 bytes: body 0A AC 02 + 300 = 303, total 309 = 0x135.
        {"300-byte value", 0xFFFF, std::string(300, 'x'), false,
         Bytes({0x00, 0x00, 0x01, 0x35, 0xFF, 0xFF, 0x0A, 0xAC, 0x02}) + std::string(300, 'x')},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.szCase);
        EXPECT_EQ(FrameOf(row.uID, row.strValue, row.bCrypto), row.strFrame);
    }
}

TEST(SocketPacket, TwoEncipheredFramesInARowEachStartTheKeyAfresh)
{
    google::protobuf::BytesValue msg;
    msg.set_value("abc");
    BytesPacket packet(msg, 0x0102);
    OutputProbe stream(nullptr, 16, 1 << 20);
    ASSERT_TRUE(stream.WritePacket(packet, true));
    ASSERT_TRUE(stream.WritePacket(packet, true));
    std::string strFrame = Bytes({0x00, 0x00, 0x00, 0x0B, 0x01, 0x02, 0x39, 0x42, 0x56, 0x21, 0x52});
    EXPECT_EQ(stream.Content(), strFrame + strFrame);
}

TEST(SocketPacket, SizeOtherThanTheMessagesWritesNothing)
{
    // Too small cannot hold the message; too large would pad the body with zeros that no
    // receiver parses.
    for (tint32 nSkew : {-1, -5, 2}) {
        SCOPED_TRACE(nSkew);
        google::protobuf::BytesValue msg;
        msg.set_value("abc");
        BytesPacket packet(msg, 1, nSkew);
        OutputProbe stream(nullptr, 16, 1 << 20);
        stream.Place(4, "xy");
        EXPECT_FALSE(stream.WritePacket(packet, false));
        EXPECT_EQ(stream.Content(), "xy");
    }
}

TEST(SocketPacket, RoundTripOverLoopbackInEverySizeClass)
{
    // Value sizes whose bodies are 0, 256, 257, 2048, 2049 and 70000 bytes.
    struct Row {
        size_t uValue;
        tuint32 uBody;
    };
    const Row rows[] = {{0, 0}, {253, 256}, {254, 257}, {2045, 2048}, {2046, 2049}, {69996, 70000}};

    LoopbackPair pair;
    ASSERT_TRUE(pair.m_bConnected);
    ASSERT_TRUE(pair.m_Client.setNonBlocking(true));
    ASSERT_TRUE(pair.m_Server.setNonBlocking(true));
    SocketOutputStream out(&pair.m_Client, 256, 1 << 24);
    InputProbe in(&pair.m_Server, 256, 1 << 24);

    std::vector<std::string> values;
    std::vector<bool> cryptos;
    for (size_t i = 0; i < 2 * (sizeof(rows) / sizeof(rows[0])); ++i) {
        const Row& row = rows[i / 2];
        google::protobuf::BytesValue msg;
        msg.set_value(Pattern(i, row.uValue));
        ASSERT_EQ(msg.ByteSizeLong(), row.uBody);
        BytesPacket packet(msg, static_cast<tuint16>(100 + i));
        bool bCrypto = (i % 2) == 1;
        ASSERT_TRUE(out.WritePacket(packet, bCrypto));
        values.push_back(msg.value());
        cryptos.push_back(bCrypto);
    }

    size_t uRead = 0;
    ASSERT_TRUE(WaitUntil([&] {
        out.Flush();
        in.Fill();
        tchar header[6];
        while (uRead < values.size() && in.Peek(header, 6) &&
               in.Length() >= TotalLengthOf(header)) {
            SCOPED_TRACE(testing::Message() << "frame " << uRead);
            EXPECT_EQ(PacketIDOf(header), 100 + uRead);
            google::protobuf::BytesValue got;
            BytesPacket packet(got, 0);
            EXPECT_TRUE(in.ReadPacket(packet, TotalLengthOf(header) - 6, cryptos[uRead]));
            EXPECT_TRUE(got.value() == values[uRead]) << "body of " << values[uRead].size();
            ++uRead;
        }
        return uRead == values.size();
    }));
    EXPECT_EQ(in.Length(), 0u);
}

TEST(SocketPacket, FrameNotAllHereIsLeftWhole)
{
    RawFeed feed;
    feed.Send(Bytes({0x00, 0x00, 0x00, 0x0B, 0x00, 0x01, 0x0A, 0x03, 0x61}));
    google::protobuf::BytesValue got;
    BytesPacket packet(got, 0);
    EXPECT_FALSE(feed.m_Stream.ReadPacket(packet, 5, false));
    EXPECT_EQ(feed.m_Stream.Length(), 9u) << "the header is not consumed";

    feed.Send(Bytes({0x62, 0x63}));
    EXPECT_TRUE(feed.m_Stream.ReadPacket(packet, 5, false));
    EXPECT_EQ(got.value(), "abc");
    EXPECT_EQ(feed.m_Stream.Length(), 0u);
}

TEST(SocketPacket, ReadTakesTheFrameWhetherTheBodyParsesOrNot)
{
    struct Row {
        const char* szCase;
        std::string strFrame;
        bool bCrypto;
        bool bParsed;
        const char* szValue;
    };
    const Row rows[] = {
        {"empty body", Bytes({0x00, 0x00, 0x00, 0x06, 0x00, 0x07}), false, true, ""},
        {"enciphered body", Bytes({0x00, 0x00, 0x00, 0x0B, 0x01, 0x02, 0x39, 0x42, 0x56, 0x21, 0x52}),
         true, true, "abc"},
        // Field of 5 bytes with 1 present.
        {"truncated field", Bytes({0x00, 0x00, 0x00, 0x09, 0x00, 0x01, 0x0A, 0x05, 0x61}), false,
         false, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.szCase);
        RawFeed feed;
        feed.Send(row.strFrame + "next");
        google::protobuf::BytesValue got;
        got.set_value("stale");
        BytesPacket packet(got, 0);
        EXPECT_EQ(feed.m_Stream.ReadPacket(packet, static_cast<tuint32>(row.strFrame.size() - 6),
                                           row.bCrypto),
                  row.bParsed);
        if (row.bParsed) {
            EXPECT_EQ(got.value(), row.szValue);
        }
        EXPECT_EQ(feed.m_Stream.Content(), "next");
    }
}
