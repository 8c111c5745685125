// The benchmark client's handling of the agent's DA_REGIST: frames handed to the client's
// process as its session would, a registration answered once or again, with GUID types,
// serials and carries of any value, before and after the players exist; other packet ids
// in between. A report (a body that does not parse, a serial the generators refuse) ends
// the robot and is an expected outcome; so is a registration that lacks a type.
//
// Checks: without players, the first GUIDs drawn after the registration are those that the
// first complete DA_REGIST names (entry i of Serial and Carry belongs to GuidType[i], the
// first entry of a type counts, the carry is cut to 8 bits, the world is the server id's
// low 16 bits), unless the GUID space ends within the generator's first block; without a
// complete registration no GUID is drawn.

#include "AD_PBMessage.pb.h"
#include "AD_PacketDefine.h"
#include "Benchmark.h"
#include "FuzzSupport.h"
#include "Guid64.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <algorithm>
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
    bool bRegistered = false;
    tuint32 aSerial[3] = {0, 0, 0};
    tuint8 aCarry[3] = {0, 0, 0};
    bool bReported = false;
    while (!bReported && in.remaining_bytes() > 0) {
        const bool bRegist = in.ConsumeIntegralInRange<int>(0, 7) != 0;
        const tuint16 nId =
            bRegist ? static_cast<tuint16>(ADPackets::PACKET_DA_REGIST_PAK) : in.ConsumeIntegral<tuint16>();
        const std::string strBody = in.ConsumeBytesAsString(in.ConsumeIntegralInRange<size_t>(0, 600));
        const tuint32 nLength = static_cast<tuint32>(strBody.size() + 6);
        std::string strFrame = {char(nLength >> 24), char(nLength >> 16), char(nLength >> 8), char(nLength),
                                char(nId >> 8), char(nId)};
        strFrame += strBody;
        bReported = fuzz::Reported([&] {
            pClient->process(1, reinterpret_cast<const NSNet::BuffType*>(strFrame.data()), nId, nLength);
        });
        DA_REGIST msg;
        if (bReported || nId != ADPackets::PACKET_DA_REGIST_PAK || bRegistered ||
            (!strBody.empty() && !msg.ParseFromString(strBody))) {
            continue;   // a report ends the robot
        }
        const int n = std::min(msg.guidtype_size(), std::min(msg.serial_size(), msg.carry_size()));
        bool aHave[3] = {false, false, false};
        for (int i = 0; i < n; ++i) {
            const tint32 nType = msg.guidtype(i);
            if (nType >= 0 && nType < 3 && !aHave[nType]) {
                aHave[nType] = true;
                aSerial[nType] = msg.serial(i);
                aCarry[nType] = static_cast<tuint8>(msg.carry(i));
            }
        }
        bRegistered = aHave[0] && aHave[1] && aHave[2];
    }
    if (bReported || cfg.playerNum != 0) {
        return 0;
    }
    const tuint16 nWorld = static_cast<tuint16>(nServerId);
    tuint64 aDrawn[3] = {0, 0, 0};
    const bool bDrawReported = fuzz::Reported([&] {
        aDrawn[0] = pClient->GenCharGuid();
        aDrawn[1] = pClient->GenItemGuid();
        aDrawn[2] = pClient->GenEmailGuid();
    });
    // The generator reserves a block of 512 serials before its first GUID: a registration
    // that leaves less than that before the end of carry 255 ends with a report.
    bool bSpaceEnds = false;
    for (tint32 t = 0; t < 3; ++t) {
        bSpaceEnds = bSpaceEnds || (aCarry[t] == 0xFF && aSerial[t] >= 0xFFFF0000u - 512);
    }
    if (bRegistered && bDrawReported && bSpaceEnds) {
        return 0;
    }
    if (bDrawReported == bRegistered) {
        fuzz::Fail("GUIDs %s drawn %s a complete registration", bDrawReported ? "not" : "",
                   bRegistered ? "after" : "without");
    }
    for (tint32 t = 0; bRegistered && t < 3; ++t) {
        const tuint64 nExpected = Guid64(nWorld, static_cast<tuint8>(t), aCarry[t], aSerial[t]).Get64Value();
        if (aDrawn[t] != nExpected) {
            fuzz::Fail("GUID type %d: drew %llx, the registration names %llx", t,
                       static_cast<unsigned long long>(aDrawn[t]), static_cast<unsigned long long>(nExpected));
        }
    }
    return 0;
}
