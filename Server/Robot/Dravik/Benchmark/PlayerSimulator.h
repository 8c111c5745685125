#pragma once
// One simulated player of one Benchmark client: a full character record built once by
// Init (whose creation it sends at once) and, on every pass of the client's worker, the
// interval tests of the three request kinds (creation, load, save, in this order).
//
// Ownership: held by value in its client's player map; m_Benchmark is the owning client
// (not owned). Threads: every operation runs on the owning client's worker thread.
// Invariant: after Init the record never changes, so every save sends the same content.

#include "BaseType.h"
#include "DBStruct_User.h"

#include <string>

class Benchmark;

class PlayerSimulator {
public:
    PlayerSimulator();
    virtual ~PlayerSimulator();

    // Builds the player's record, sends its creation and seeds the interval stamps.
    void Init(Benchmark* pBenchmark, const std::string& accName);
    // One pass: periodic creation, load, save, each when its interval has run out.
    void Tick();

private:
    void SimCreateChar(tuint64 guid, std::string accName);
    void SimUserSave();
    void SimUserLoad();
    void InitItemData();
    void InitEmailData();
    void InitShopData();
    // Processor time used so far by the whole process, in milliseconds.
    tuint64 MilliSeconds() const;
    bool CheckInterval(tint32 benchmarkType) const;

    Benchmark* m_Benchmark;
    std::string m_accName;
    DBFullUserData m_data;
    tuint64 m_SimTypeTime[3];
    // The latest MilliSeconds reading of this player: a lower bound of the clock.
    mutable tuint64 m_nLastReading;
};
