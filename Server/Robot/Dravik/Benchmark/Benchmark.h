#pragma once
// One client per configured database-agent server. Through TcpClient it owns one
// connection and that connection's reactor; it registers under its server id, turns
// the agent's DA_REGIST into three GUID generators (characters, items, e-mails), owns
// the simulated players and runs its worker thread's loop.
//
// Ownership: created by Create and held by shared pointers; the worker thread keeps its
// own copy for as long as it runs. The client owns its players (by value) and generators.
// Threads: Create and Init run on the main thread before the worker exists; from then on
// everything here is used by the worker alone.
// Invariants: m_bGuidInited is set once, by the first complete DA_REGIST, and the three
// generators are initialised and the players made exactly then; m_bInited (registered)
// is set then too and survives a dropped connection, so that on a new connection the
// players send right behind its AD_REGIST. Creations leave in player index order: the
// players before m_nCreationsSent have sent theirs, the others wait for room.

#include "BaseType.h"
#include "BenchmarkConfig.h"
#include "GuidGenerator.h"
#include "PlayerRequests.h"
#include "PlayerSimulator.h"
#include "TcpClient.h"

#include <memory>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

typedef std::shared_ptr<std::thread> ThreadPtr;

class Benchmark : public TcpClient {
public:
    typedef std::unordered_map<std::string, PlayerSimulator> TPlayerSimulatorMap;

    Benchmark();
    virtual ~Benchmark();

    // Creates the client, connects it on the calling thread and starts its worker.
    static ThreadPtr Create(tint32 serverId, const ServerConfig& cfg);

    // Takes the server's settings and connects (a failed connect is retried by Run).
    bool Init(tint32 serverId, const ServerConfig& cfg);
    // The worker's loop of RunPass and a 1 ms sleep; returns only when an assertion
    // report reached it (the process then ends, see EndOnReport).
    void Run();
    // One pass of the loop: connect again when needed, one reactor turn, then, when
    // registered, the pending creations in player order and every player's Tick.
    void RunPass();

    virtual unsigned process(NSNet::SessionId sessionId, const NSNet::BuffType* buff, unsigned protoId, unsigned size) override;

    tuint64 GenCharGuid();
    tuint64 GenItemGuid();
    tuint64 GenEmailGuid();
    // The request messages that this client's players build their requests in.
    PlayerRequests& Requests() { return m_requests; }

    // An assertion report that reached the top of main or of a worker: flush standard
    // output and the log channels, then end the process with status 1.
    [[noreturn]] static void EndOnReport();
    // A stop signal (Ctrl-C, kill): writes out standard output and what the log channels
    // still buffer, then ends the process by the same signal, as it would have without.
    [[noreturn]] static void EndOnSignal(int nSignal);

private:
    virtual void OnConnected() override;
    virtual void OnDisconnect() override;

    bool EnsureInited();
    void OnInited();
    // Sends the pending creations in player order while the output buffer takes them.
    void SendPendingCreations();
    void SaveGuid();
    void Regist();
    void HandleDARegist(const NSNet::BuffType* buff, tuint32 len);

    tint32 m_ServerId;
    tint32 m_maxPlayerNum;
    std::string m_accPrefix;
    bool m_bInited;
    bool m_bGuidInited;
    TPlayerSimulatorMap m_mapPlayerSimulator;
    std::vector<PlayerSimulator*> m_vecPlayerOrder; // the map's players by index (nodes stay put)
    size_t m_nCreationsSent;
    GuidGenerator m_CharGuidGen;
    GuidGenerator m_ItemGuidGen;
    GuidGenerator m_EmailGuidGen;
    PlayerRequests m_requests;
};
