// The benchmark client's handling of the agent's DA_REGIST: frames handed to the client's
// process as its session would, a registration answered once or again, with GUID types,
// serials and carries of any value, before and after the players exist; other packet ids
// in between. A report (a body that does not parse, a serial the generators refuse) ends
// the robot and is an expected outcome; so is a registration that lacks a type.

#include "AD_PacketDefine.h"
#include "Benchmark.h"
#include "FuzzSupport.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::QuietReports();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    FuzzedDataProvider in(pData, nSize);
    ServerConfig cfg;
    cfg.dbServerHost = "no agent";   // not an address: the connect fails at once, no socket
    cfg.playerNum = in.ConsumeIntegralInRange<tint16>(0, 2);
    cfg.accPrefix = "fuzz_";
    const tint32 nServerId = in.ConsumeIntegral<tint32>();

    std::unique_ptr<Benchmark> pClient(new Benchmark());
    pClient->Init(nServerId, cfg);
    while (in.remaining_bytes() > 0) {
        const bool bRegist = in.ConsumeIntegralInRange<int>(0, 7) != 0;
        const tuint16 nId = bRegist ? static_cast<tuint16>(ADPackets::PACKET_DA_REGIST_PAK) : in.ConsumeIntegral<tuint16>();
        const std::string strBody = in.ConsumeBytesAsString(in.ConsumeIntegralInRange<size_t>(0, 600));
        const tuint32 nLength = static_cast<tuint32>(strBody.size() + 6);
        std::string strFrame = {char(nLength >> 24), char(nLength >> 16), char(nLength >> 8), char(nLength),
                                char(nId >> 8), char(nId)};
        strFrame += strBody;
        const bool bReported = fuzz::Reported([&] {
            pClient->process(1, reinterpret_cast<const NSNet::BuffType*>(strFrame.data()), nId, nLength);
        });
        if (bReported) {
            break;   // the report ends the robot
        }
    }
    return 0;
}
