// Protocol frames arriving on a session: bytes written by a peer over a socket pair,
// read by the reactor into a protocol session, which cuts them into frames (4-byte
// big-endian total length, 2-byte id, body). Pieces of any size, well-formed frames,
// declared lengths of any size (oversized and partial frames) and long runs of one byte.
//
// Checks: every frame handed to the unit is the next frame of the byte stream, whole; every
// frame that fits the session's first buffer and comes before a bad one is handed over
// unless the unit refused an earlier one; nothing reaches the unit once its session is
// closed; and the session ends once its peer has left.

#include "FuzzSupport.h"
#include "net_io.h"
#include "net_session.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using NSNet::BuffType;
using NSNet::SessionId;

const tuint16 Refused_Id = 0xFFFF;   // process answers non-zero
const tuint16 Throwing_Id = 0xFFFE;  // process throws
const size_t Max_Stream = 1u << 20;
const tuint32 Max_Frame = 64u * 1024 * 1024;   // the largest frame any input buffer may take

tuint32 BigEndian32(const char* p)
{
    const unsigned char* q = reinterpret_cast<const unsigned char*>(p);
    return (tuint32(q[0]) << 24) | (tuint32(q[1]) << 16) | (tuint32(q[2]) << 8) | tuint32(q[3]);
}

std::string Header(tuint32 nLength, tuint16 nId)
{
    const char sz[6] = {char(nLength >> 24), char(nLength >> 16), char(nLength >> 8), char(nLength),
                        char(nId >> 8), char(nId)};
    return std::string(sz, 6);
}

class FrameUnit : public fuzz::PeerUnit {
public:
    FrameUnit() : fuzz::PeerUnit("FuzzFrames") {}

    tuint32 process(SessionId sid, const BuffType* pFrame, tuint32 nId, tuint32 nSize) override
    {
        CheckOpen(sid, "frame " + std::to_string(nId) + " of " + std::to_string(nSize) + " bytes");
        const char* p = reinterpret_cast<const char*>(pFrame);
        if (nSize < 6 || BigEndian32(p) != nSize || ((tuint32(pFrame[4]) << 8) | pFrame[5]) != nId) {
            fuzz::Fail("frame of %u bytes does not match its header", nSize);
        }
        frames.emplace_back(p, nSize);
        if (nId == Refused_Id) {
            bRefused = true;
            return 7;
        }
        if (nId == Throwing_Id) {
            bRefused = true;
            throw std::runtime_error("refused");
        }
        return 0;
    }

    std::vector<std::string> frames;
};

FrameUnit* s_pUnit = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::QuietReports();
    s_pUnit = new FrameUnit();   // lives as long as the process
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    FuzzedDataProvider in(pData, nSize);
    static const tuint32 s_aCapacities[] = {NSNet::CNetBuffer::Buffer_Init_Capacity, 4096, 64, 7, 6};
    // One prototype per buffer size, as a listener keeps one.
    static NSNet::CProtocolSession* s_apPrototypes[5] = {};
    const size_t nChoice = in.ConsumeIntegralInRange<size_t>(0, 4);
    const tuint32 nCapacity = s_aCapacities[nChoice];
    if (s_apPrototypes[nChoice] == nullptr) {
        s_apPrototypes[nChoice] = new NSNet::CProtocolSession(s_pUnit, nCapacity);
    }

    FrameUnit& unit = *s_pUnit;
    unit.Reset();
    unit.frames.clear();
    std::string strStream;
    {
        fuzz::SessionPeer peer(unit, *s_apPrototypes[nChoice]);
        if (!peer.Ok()) {
            fuzz::Fail("no socket pair");
        }
        bool bOpen = true;
        while (bOpen && in.remaining_bytes() > 0 && strStream.size() < Max_Stream) {
            std::string strPiece;
            switch (in.ConsumeIntegralInRange<int>(0, 4)) {
            case 0:   // raw bytes
                strPiece = in.ConsumeBytesAsString(in.ConsumeIntegralInRange<size_t>(1, 3000));
                break;
            case 1: { // a well-formed frame
                const tuint16 nId = in.ConsumeIntegral<tuint16>();
                const std::string strBody = in.ConsumeBytesAsString(in.ConsumeIntegralInRange<size_t>(0, 3000));
                strPiece = Header(static_cast<tuint32>(strBody.size() + 6), nId) + strBody;
                break;
            }
            case 2: { // a header declaring any length
                const tuint32 nLength = in.ConsumeIntegral<tuint32>();
                strPiece = Header(nLength, in.ConsumeIntegral<tuint16>());
                break;
            }
            case 3: { // a long run of one byte (the body of a large frame)
                const size_t nRun = in.ConsumeIntegralInRange<size_t>(1, 300000);
                strPiece.assign(nRun, static_cast<char>(in.ConsumeIntegral<tuint8>()));
                break;
            }
            default:  // nothing new: one more turn of the reactor
                peer.Tick();
                continue;
            }
            strStream += strPiece;
            bOpen = peer.Write(strPiece);
        }
        if (!peer.Leave([&] { return unit.bDeleted; })) {
            fuzz::Fail("the session stays open after its peer left (%zu bytes sent)", strStream.size());
        }
    }

    // The stream's own frames: up to a length below the header's, or past any buffer's bound,
    // or the end. nFitting counts the leading ones that fit the session's first buffer.
    std::vector<std::string> vExpected;
    size_t nFitting = 0;
    bool bAllFit = true;
    for (size_t o = 0; strStream.size() - o >= 6;) {
        const tuint32 nLength = BigEndian32(strStream.data() + o);
        if (nLength < 6 || nLength > Max_Frame || strStream.size() - o < nLength) {
            break;
        }
        bAllFit = bAllFit && nLength <= nCapacity - 1;
        nFitting += bAllFit ? 1 : 0;
        vExpected.push_back(strStream.substr(o, nLength));
        o += nLength;
    }
    if (unit.frames.size() > vExpected.size()) {
        fuzz::Fail("%zu frames handed over, the stream has %zu", unit.frames.size(), vExpected.size());
    }
    for (size_t i = 0; i < unit.frames.size(); ++i) {
        if (unit.frames[i] != vExpected[i]) {
            fuzz::Fail("frame %zu handed over is not the stream's frame %zu", i, i);
        }
    }
    if (!unit.bRefused && unit.frames.size() < nFitting) {
        fuzz::Fail("only %zu of the stream's first %zu frames handed over", unit.frames.size(), nFitting);
    }
    return 0;
}
