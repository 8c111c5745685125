#include "Benchmark.h"

#include "AD_PBMessage.pb.h"
#include "AD_PacketDefine.h"
#include "Assertx.h"
#include "Guid64.h"
#include "LogDefine.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <iostream>

namespace {

const tchar* const s_szSourceFile = "Server/Robot/Dravik/Benchmark/Benchmark";
const tuint32 HEADER_SIZE = 6;
const tint32 GUID_TYPE_COUNT = 3; // characters 0, items 1, e-mails 2

} // namespace

Benchmark::Benchmark()
    : m_ServerId(-1), m_maxPlayerNum(0), m_bInited(false), m_bGuidInited(false), m_mapPlayerSimulator(10),
      m_nCreationsSent(0)
{
}

Benchmark::~Benchmark() {}

ThreadPtr Benchmark::Create(tint32 serverId, const ServerConfig& cfg)
{
    const tchar* szFunc = "static ThreadPtr Benchmark::Create(tint32, const ServerConfig&)";
    std::shared_ptr<Benchmark> ptrBench(new Benchmark());
    if (nullptr == ptrBench) {
        _do_assert_(s_szSourceFile, __LINE__, szFunc, "nullptr != ptrBench", "", true);
    }
    if (!ptrBench->Init(serverId, cfg)) {
        _do_assert_(s_szSourceFile, __LINE__, szFunc, "ptrBench->Init(serverId, cfg)", "", true);
    }
    return std::make_shared<std::thread>([ptrBench]() { ptrBench->Run(); });
}

bool Benchmark::Init(tint32 serverId, const ServerConfig& cfg)
{
    m_ServerId = serverId;
    m_maxPlayerNum = cfg.playerNum;
    m_accPrefix = cfg.accPrefix;
    m_mapPlayerSimulator.clear();
    m_vecPlayerOrder.clear();
    m_nCreationsSent = 0;
    TcpClient::Connect(cfg.dbServerHost.c_str(), cfg.dbServerPort);
    return true;
}

void Benchmark::Run()
{
    try {
        for (;;) {
            RunPass();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    } catch (int) {
        // The report has already said why; an uncaught integer would abort instead.
        EndOnReport();
    }
}

void Benchmark::RunPass()
{
    if (EnsureInited()) {
        SendPendingCreations();
        for (auto& kv : m_mapPlayerSimulator) {
            kv.second.Tick();
        }
    }
}

namespace {

void FlushOutput()
{
    std::cout.flush();
    fflush(stdout);
#define DRAVIK_FLUSH_LOG_CHANNEL(Name) g##Name##LogSink.Flush();
    DRAVIK_LOG_CHANNELS(DRAVIK_FLUSH_LOG_CHANNEL)
#undef DRAVIK_FLUSH_LOG_CHANNEL
}

} // namespace

void Benchmark::EndOnReport()
{
    FlushOutput();
    _exit(1);
}

void Benchmark::EndOnSignal(int nSignal)
{
    FlushOutput();
    signal(nSignal, SIG_DFL);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, nSignal);
    pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
    raise(nSignal);
    _exit(128 + nSignal);
}

bool Benchmark::EnsureInited()
{
    TcpClient::CheckNet();
    TcpClient::Tick();
    return IsConnected() && m_bInited;
}

unsigned Benchmark::process(NSNet::SessionId, const NSNet::BuffType* buff, unsigned protoId, unsigned size)
{
    if (protoId == ADPackets::PACKET_DA_REGIST_PAK) {
        HandleDARegist(buff, size);
    }
    return 0;
}

void Benchmark::HandleDARegist(const NSNet::BuffType* buff, tuint32 len)
{
    const tchar* szFunc = "void Benchmark::HandleDARegist(const BuffType*, tuint32)";
    DA_REGIST msg;
    if (len > HEADER_SIZE) {
        if (!msg.ParseFromArray(buff + HEADER_SIZE, static_cast<int>(len - HEADER_SIZE))) {
            _do_assert_(s_szSourceFile, __LINE__, szFunc, "false", "", true);
        }
    }

    if (m_bGuidInited) {
        // A registration answered again after a reconnect: nothing is initialised again
        // (a second generator Init would be a report, a second burst new characters).
        m_bInited = true;
        return;
    }

    // Element i of Serial and Carry belongs to GuidType[i]; only while i is below all
    // three counts. A type listed twice is taken from its first entry.
    bool bHave[GUID_TYPE_COUNT] = {false, false, false};
    tuint32 serial[GUID_TYPE_COUNT] = {0, 0, 0};
    tuint8 carry[GUID_TYPE_COUNT] = {0, 0, 0};
    int n = msg.guidtype_size();
    if (msg.serial_size() < n) {
        n = msg.serial_size();
    }
    if (msg.carry_size() < n) {
        n = msg.carry_size();
    }
    for (int i = 0; i < n; ++i) {
        tint32 type = msg.guidtype(i);
        if (type < 0 || type >= GUID_TYPE_COUNT || bHave[type]) {
            continue;
        }
        bHave[type] = true;
        serial[type] = msg.serial(i);
        carry[type] = static_cast<tuint8>(msg.carry(i) & 0xFF);
    }

    // Every player draws GUIDs of all three kinds: without all three the client stays
    // unregistered (no players, no requests) instead of failing at the first draw.
    std::string missing;
    for (tint32 t = 0; t < GUID_TYPE_COUNT; ++t) {
        if (!bHave[t]) {
            missing += missing.empty() ? "" : ", ";
            missing += std::to_string(t);
        }
    }
    if (!missing.empty()) {
        std::string text = "DA_REGIST for server " + std::to_string(m_ServerId) + " lacks GUID type " + missing +
                           " (or its Serial or Carry); the client stays unregistered.";
        _do_assert_(s_szSourceFile, __LINE__, szFunc, "DA_REGIST answers GUID types 0, 1 and 2", text.c_str(), false);
        return;
    }

    const tuint16 world = static_cast<tuint16>(m_ServerId & 0xFFFF);
    m_CharGuidGen.Init(world, 0, carry[0], serial[0]);
    m_ItemGuidGen.Init(world, 1, carry[1], serial[1]);
    m_EmailGuidGen.Init(world, 2, carry[2], serial[2]);
    m_bGuidInited = true;
    OnInited();
}

void Benchmark::OnInited()
{
    m_mapPlayerSimulator.clear();
    m_vecPlayerOrder.clear();
    m_nCreationsSent = 0;
    for (tint32 i = 0; i < m_maxPlayerNum; ++i) {
        std::string name = m_accPrefix + std::to_string(i);
        // Built in its place in the map rather than copied in (a 67 KB record and 30 mails
        // each). The names differ by their index, so none is present already.
        auto inserted = m_mapPlayerSimulator.try_emplace(name);
        if (inserted.second) {
            inserted.first->second.Init(this, name);
            m_vecPlayerOrder.push_back(&inserted.first->second);
            // Each creation goes out right after its player is made, while there is room.
            SendPendingCreations();
        }
    }
    m_bInited = true;
}

void Benchmark::SendPendingCreations()
{
    // The first one that does not fit stops the walk, so that none overtakes another.
    while (m_nCreationsSent < m_vecPlayerOrder.size() && m_vecPlayerOrder[m_nCreationsSent]->SendCreation()) {
        ++m_nCreationsSent;
    }
}

void Benchmark::Regist()
{
    AD_REGIST msg;
    msg.set_serverid(m_ServerId);
    msg.add_guidtype(0);
    msg.add_guidtype(1);
    msg.add_guidtype(2);
    Send(ADPackets::PACKET_AD_REGIST_PAK, msg);
}

void Benchmark::SaveGuid()
{
    GuidGenerator* gens[GUID_TYPE_COUNT] = {&m_CharGuidGen, &m_ItemGuidGen, &m_EmailGuidGen};
    for (GuidGenerator* gen : gens) {
        tint32 guidType = 0;
        tuint32 carry = 0;
        tuint32 serial = 0;
        gen->Save(guidType, carry, serial);
        AD_GUID_SAVE msg;
        msg.set_serverid(m_ServerId);
        msg.set_guidtype(guidType);
        msg.set_serial(serial);
        msg.set_carry(carry);
        Send(ADPackets::PACKET_AD_GUID_SAVE_PAK, msg);
    }
}

void Benchmark::OnConnected()
{
    // Registered stays as it was: once registered, the players send on a new connection
    // right behind its AD_REGIST, whether or not the agent answers it again.
    Regist();
}

void Benchmark::OnDisconnect()
{
    m_bInited = false;
}

tuint64 Benchmark::GenCharGuid()
{
    return m_CharGuidGen.Gen().Get64Value();
}

tuint64 Benchmark::GenItemGuid()
{
    return m_ItemGuidGen.Gen().Get64Value();
}

tuint64 Benchmark::GenEmailGuid()
{
    return m_EmailGuidGen.Gen().Get64Value();
}
