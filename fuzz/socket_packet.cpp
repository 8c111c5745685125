// The stream-socket layer's input: bytes that arrive on a socket, read by Fill into a
// SocketInputStream of any first size and bound, and taken out frame by frame with
// ReadPacket, plain or deciphered with the packet cipher, into a protocol message.
//
// Checks: the stream gives back exactly the bytes sent, in order, frame after frame; a
// frame not all here is left whole; the cipher undoes itself.

#include "AD_PBMessage.pb.h"
#include "FuzzSupport.h"
#include "PacketDef.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A Socket over a descriptor made elsewhere (one end of a socket pair).
class PairSocket : public Socket {
public:
    explicit PairSocket(SOCKET fd) { m_SocketID = fd; }
};

class BytesPacket : public Packet {
public:
    explicit BytesPacket(google::protobuf::Message& rMessage) : Packet(rMessage) {}
    void CleanUp() override {}
    tuint32 Execute(Player*) override { return PACKET_EXE_CONTINUE; }
    tuint32 Execute(ServerEntity*) override { return PACKET_EXE_CONTINUE; }
    tuint16 GetPacketID() const override { return 0; }
    tuint32 GetPacketSize() const override { return static_cast<tuint32>(m_rPacketData.ByteSizeLong()); }
};

tuint32 BigEndian32(const char* p)
{
    const unsigned char* q = reinterpret_cast<const unsigned char*>(p);
    return (tuint32(q[0]) << 24) | (tuint32(q[1]) << 16) | (tuint32(q[2]) << 8) | tuint32(q[3]);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::QuietReports();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    FuzzedDataProvider in(pData, nSize);
    const tuint32 nFirst = in.ConsumeIntegralInRange<tuint32>(0, 70000);
    const tuint32 nBound = in.ConsumeIntegralInRange<tuint32>(0, 1u << 20);
    const bool bCrypto = in.ConsumeBool();

    int fd[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fd) != 0) {
        fuzz::Fail("no socket pair");
    }
    PairSocket socket(fd[0]);
    SocketInputStream stream(&socket, nFirst, nBound);

    std::string strSent;   // every byte written to the socket
    std::string strTaken;  // the bytes the stream gave back, headers and bodies
    bool bOpen = true;
    while (bOpen && in.remaining_bytes() > 0) {
        // A piece from the peer (a frame built here or raw bytes), then one Fill and as many
        // frames as are whole.
        std::string strPiece;
        if (in.ConsumeBool()) {
            std::string strBody = in.ConsumeBytesAsString(in.ConsumeIntegralInRange<size_t>(0, 2000));
            if (bCrypto && !strBody.empty()) {
                XorEncryptEx(&strBody[0], static_cast<tuint32>(strBody.size()));
            }
            const tuint32 nLength = static_cast<tuint32>(strBody.size() + 6);
            strPiece = {char(nLength >> 24), char(nLength >> 16), char(nLength >> 8), char(nLength), 0, 1};
            strPiece += strBody;
        } else {
            strPiece = in.ConsumeBytesAsString(in.ConsumeIntegralInRange<size_t>(1, 4000));
        }
        const ssize_t nWritten = ::send(fd[1], strPiece.data(), strPiece.size(), MSG_NOSIGNAL);
        if (nWritten < 0 && errno != EAGAIN) {
            fuzz::Fail("cannot write the piece");
        }
        strSent += strPiece.substr(0, nWritten > 0 ? static_cast<size_t>(nWritten) : 0);
        if (static_cast<tint32>(stream.Fill()) < 0) {
            bOpen = false;   // past the ring's bound: its content is dropped
            break;
        }
        for (;;) {
            char header[6];
            if (!stream.Peek(header, sizeof(header))) {
                break;
            }
            const tuint32 nLength = BigEndian32(header);
            const tuint32 nBody = nLength >= 6 ? nLength - 6 : 0;
            const tuint32 nHeld = stream.Length();
            AD_EMAILINFO message;
            BytesPacket packet(message);
            const bool bWhole = static_cast<tuint64>(nBody) + 6 <= nHeld;
            std::string strBody(nBody <= nHeld ? nBody : 0, '\0');
            if (bWhole && nBody > 0) {
                // The body as it stands in the stream, to compare with what ReadPacket parsed.
                std::string strFrame(nBody + 6, '\0');
                if (!stream.Peek(&strFrame[0], nBody + 6)) {
                    fuzz::Fail("a whole frame of %u bytes cannot be peeked", nBody + 6);
                }
                strBody = strFrame.substr(6);
            }
            const bool bParsed = stream.ReadPacket(packet, nBody, bCrypto);
            if (!bWhole) {
                if (stream.Length() != nHeld) {
                    fuzz::Fail("a frame not all here (%u of %u bytes) was consumed", nHeld, nBody + 6);
                }
                break;
            }
            if (stream.Length() != nHeld - nBody - 6) {
                fuzz::Fail("a frame of %u bytes left %u of %u bytes", nBody + 6, stream.Length(), nHeld);
            }
            strTaken.append(header, 6);
            strTaken += strBody;
            if (bParsed) {
                // The cipher undoes itself: the parsed message, enciphered again, is the body.
                std::string strPlain = strBody;
                if (bCrypto && !strPlain.empty()) {
                    XorDecryptEx(&strPlain[0], static_cast<tuint32>(strPlain.size()));
                }
                AD_EMAILINFO expected;
                if (!expected.ParseFromString(strPlain) ||
                    expected.SerializeAsString() != message.SerializeAsString()) {
                    fuzz::Fail("frame of %u bytes parsed into another message", nBody + 6);
                }
            }
        }
    }
    ::close(fd[1]);
    // Whatever was taken out is the start of what was sent, byte for byte.
    if (bOpen && strSent.compare(0, strTaken.size(), strTaken) != 0) {
        fuzz::Fail("the stream gave back other bytes than were sent");
    }
    return 0;
}
