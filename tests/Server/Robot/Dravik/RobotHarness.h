#pragma once
// Helpers of the robot's end-to-end tests: the Dravik program as a child process in the
// current (temporary) working folder, the sample Config/ and the reading of recorded frames.

#include "DBStruct_User.h"
#include "StandInAgent.h"

#include <sys/types.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

class TempWorkDir;

// One run of the Dravik executable, started in the current directory with its standard
// output and error going to a file there and its standard input at end of file. The
// destructor kills it (SIGKILL) and reaps it, so no test leaves a process behind.
class DravikProcess {
public:
    explicit DravikProcess(const std::vector<std::string>& args);
    ~DravikProcess();
    DravikProcess(const DravikProcess&) = delete;
    DravikProcess& operator=(const DravikProcess&) = delete;

    // Everything the program wrote so far.
    std::string Output() const;
    // Waits for the program to end; true with its exit status, false on time-out
    // (a status of 128 + n stands for death by signal n).
    bool WaitExit(std::chrono::milliseconds timeout, int& rStatus);
    bool Running();
    void Kill();
    // Sends a signal without waiting.
    void Signal(int nSignal);

private:
    pid_t m_pid = -1;
    std::string m_strOutFile;
    bool m_bReaped = false;
};

// Writes a valid Config/ (every declared table, with sample rows) and a robot-name table.
void WriteSampleTables(const TempWorkDir& dir);

// The configuration file for one agent port and the given servers and intervals.
struct BenchServer {
    int nServerId;
    int nPlayers;
    std::string strPrefix;
};
void WriteBenchmarkXml(const TempWorkDir& dir, uint16_t nPort, const std::vector<BenchServer>& servers,
                       int nCreateInterval, int nSaveInterval, int nLoadInterval);

// A loopback port on which nothing listens (bound, then released).
uint16_t UnusedPort();

// Little-endian integers inside a record image.
uint64_t LE64(const std::string& s, size_t off);
uint32_t LE32(const std::string& s, size_t off);

// The recorded frame's body parsed as M.
template <typename M>
bool ParseBody(const NSAgent::RecordedFrame& f, M& msg)
{
    return f.bHasBody && msg.ParseFromArray(f.strFrame.data() + 6, int(f.strFrame.size() - 6));
}

// Frames of one packet id, in arrival order.
std::vector<NSAgent::RecordedFrame> FramesOf(const std::vector<NSAgent::RecordedFrame>& frames, uint16_t nPacketId);

// A record as a player holds it, with nItems items, nShop shop rows, nCurrencies
// currencies and nMails mails (every required field set, the last with an award list);
// its account is "acc1700000000".
std::unique_ptr<DBFullUserData> PlayerRecord(tuint64 guid, int nItems, int nShop, int nCurrencies, int nMails);

// A generous bound for anything a healthy run does on a loaded machine.
constexpr std::chrono::milliseconds kPatience{20000};
