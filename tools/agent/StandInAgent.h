#pragma once
// A stand-in for the game suite's database agent, for tests, the run command and the
// benchmarks. It listens on a loopback address, reads the 6-byte-header frames
// (4-byte big-endian total length, 2-byte big-endian packet id, protobuf body) of any
// size up to kMaxFrame, answers AD_REGIST with DA_REGIST and counts everything else.
// In answer mode it also answers as an agent does: every AD_USERSAVE with DA_USERSAVE
// (Result 0) and every AD_USERLOAD with DA_USERLOAD carrying the account's last saved
// AD_USER_DATA (Result 0), or Result 1 and no data before a save. A save is filed under
// the account name of its record (UBData); a record whose account ends in the ten digits
// of a time in seconds (the robot's characters: account followed by creation time) is
// filed under the account without them too, since the robot's loads name that one.
//
// Threads: Start() runs one I/O thread that alone touches the sockets. The public
// getters, CloseConnections() and Stop() may be called from any thread; the shared
// state (statistics, recorded frames, the close request) is under m_mutex.
// Ownership: the agent owns its listening socket, its connections and its thread;
// Stop() (also run by the destructor) closes them all and joins the thread.

#include <atomic>
#include <cstdio>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

class AD_USER_DATA;
class AD_REGIST;
class AD_USERLOAD;
class AD_USERSAVE;

namespace NSAgent {

// How the agent answers AD_REGIST (the fault modes serve the tests).
enum class Fault {
    None,          // DA_REGIST with every asked type
    NoReply,       // never answers
    MalformedBody, // packet id 2 with a body that is not a DA_REGIST
    EmptyBody,     // packet id 2 with no body at all
    MissingType,   // leaves out AgentOptions::nMissingType
    ShortSerial,   // the Serial list one entry shorter than GuidType
    FirstOnly,     // answers only the first registration of its life
};

// Parses a fault name as given on the command line ("none", "noreply", "malformed",
// "empty", "missingtype", "shortserial", "firstonly"); false when unknown.
bool ParseFault(const std::string& strName, Fault& rFault);

struct AgentOptions {
    std::string strHost = "127.0.0.1"; // must be a loopback address
    uint16_t nPort = 0;                 // 0: an ephemeral port (see StandInAgent::Port)
    uint32_t aSerial[3] = {1000, 200000, 3000000}; // per GUID type 0, 1, 2
    uint32_t aCarry[3] = {1, 2, 3};
    Fault eFault = Fault::None;
    int nMissingType = 2;
    bool bCounting = false;   // count frames and bytes only, no protobuf decoding
    bool bAnswer = false;     // answer saves and loads (decodes them even when counting)
    bool bRecord = false;     // keep the frames (bodies of the first nRecordBodies)
    size_t nRecordBodies = 256;
    bool bPrint = true;       // one line per server and second on pOut
    FILE* pOut = stdout;
};

// Counters of one server (the ServerId of the connection's AD_REGIST; -1 before it).
struct ServerStats {
    uint64_t nConnections = 0; // connections open now
    uint64_t nAccepted = 0;    // server -1: connections ever accepted; else: ever registered as it
    uint64_t nRegist = 0;
    uint64_t nCreateChar = 0;  // AD_USERSAVE with SaveType 1
    uint64_t nUserSave = 0;    // AD_USERSAVE with SaveType 2
    uint64_t nUserLoad = 0;
    uint64_t nGuidSave = 0;
    uint64_t nOther = 0;
    uint64_t nBytes = 0;       // frame bytes received, headers included
    uint64_t nMalformed = 0;   // bodies that do not decode, bad lengths
    uint64_t nLoadFound = 0;   // answer mode: loads answered with saved data

    uint64_t Requests() const { return nRegist + nCreateChar + nUserSave + nUserLoad + nGuidSave + nOther; }
};

// One received frame as recorded.
struct RecordedFrame {
    uint64_t nConn = 0;        // connection number, 1 upwards in accept order
    int nServerId = -1;        // the connection's registered server id at that moment
    uint16_t nPacketId = 0;
    uint32_t nSize = 0;        // total frame length, header included
    bool bHasBody = false;     // false past nRecordBodies
    std::string strFrame;      // the whole frame, header included, when bHasBody
    std::chrono::steady_clock::time_point tArrival;
};

class StandInAgent {
public:
    static constexpr uint32_t kMaxFrame = 16u * 1024u * 1024u;

    explicit StandInAgent(const AgentOptions& opts);
    ~StandInAgent();
    StandInAgent(const StandInAgent&) = delete;
    StandInAgent& operator=(const StandInAgent&) = delete;

    // Binds, listens and starts the I/O thread. False with a message on failure.
    bool Start(std::string& strError);
    // Closes every socket and joins the thread; prints the totals when printing.
    void Stop();
    uint16_t Port() const { return m_nPort; }

    // Closes every open connection at the next turn of the I/O thread (the listener stays).
    void CloseConnections();

    std::map<int, ServerStats> Stats() const;
    // The sums over all servers; nAccepted is the connections ever accepted.
    ServerStats Totals() const;
    std::vector<RecordedFrame> Frames() const;
    size_t FrameCount() const;

    // Waits until pred() holds (checked under no lock, every 10 ms) or the time is up.
    static bool WaitUntil(const std::function<bool()>& pred, std::chrono::milliseconds timeout);

private:
    struct Conn;
    void RunLoop();
    void Accept();
    bool ReadFrom(Conn& c);       // false: close the connection
    bool CutFrames(Conn& c);      // false: close the connection
    void HandleFrame(Conn& c, uint16_t nPacketId, const char* pFrame, uint32_t nSize);
    void AnswerRegist(Conn& c, const ::AD_REGIST& req);
    void AnswerSave(Conn& c, const ::AD_USERSAVE& req);
    void AnswerLoad(Conn& c, const ::AD_USERLOAD& req);
    void Queue(Conn& c, uint16_t nPacketId, const std::string& strBody);
    bool FlushOut(Conn& c);
    void CloseConn(Conn& c);
    void PrintSecond();
    void PrintTotals();

    AgentOptions m_opts;
    int m_nListenFd = -1;
    int m_aWake[2] = {-1, -1};
    uint16_t m_nPort = 0;
    std::thread m_thread;
    std::atomic<bool> m_bStop{false};
    std::atomic<bool> m_bCloseRequested{false};
    bool m_bAnsweredOnce = false; // I/O thread only
    uint64_t m_nNextConn = 1;     // I/O thread only
    std::vector<Conn*> m_vecConns; // I/O thread only
    std::vector<char> m_vecRead;   // I/O thread only
    // Answer mode: the last saved AD_USER_DATA by account; I/O thread only.
    std::unordered_map<std::string, std::shared_ptr<const ::AD_USER_DATA>> m_mapSaved;

    mutable std::mutex m_mutex; // guards the members below
    std::map<int, ServerStats> m_mapStats;
    std::map<int, ServerStats> m_mapLastPrinted;
    std::vector<RecordedFrame> m_vecFrames;
    size_t m_nBodiesKept = 0;
};

} // namespace NSAgent
