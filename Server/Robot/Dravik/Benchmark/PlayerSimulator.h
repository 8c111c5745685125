#pragma once
// One simulated player of one Benchmark client: a full character record built once by
// Init, whose creation goes out through SendCreation as soon as the connection's output
// buffer has room for it, and, on every pass of the client's worker once the creation
// has gone out, the interval tests of the three request kinds (creation, load, save, in
// this order).
//
// Ownership: held by value in its client's player map; m_Benchmark is the owning client
// (not owned). Threads: every operation runs on the owning client's worker thread.
// Invariants: after Init the record never changes, so every save sends the same content;
// while the creation is pending the player sends nothing else.

#include "BaseType.h"
#include "DBStruct_User.h"

#include <string>

class Benchmark;

class PlayerSimulator {
public:
    PlayerSimulator();
    virtual ~PlayerSimulator();

    // Builds the player's record and seeds the interval stamps; its creation is pending.
    void Init(Benchmark* pBenchmark, const std::string& accName);
    // Sends the pending creation when the output buffer takes it; true once it has gone
    // out. Not built while it would be refused, so a long burst holds no extra memory.
    bool SendCreation();
    // One pass: periodic creation, load, save, each when its interval has run out;
    // nothing while the creation is pending.
    void Tick();

private:
    // The periodic creation (the first one is SendCreation's).
    void SimCreateChar();
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
    bool m_bCreationPending; // Init's creation has not gone out yet
    // The record images a save carries (the record never changes after Init). Kept here,
    // beside the stamps, so that a pass whose output buffer has no room for the save does
    // not touch the cold 67 KB record to find that out.
    size_t m_nSaveImageBytes;
};
