// bench_endtoend [throughput|memory|startup|all] [--seconds N]
//
// throughput: Dravik against the stand-in agent in counting mode on loopback, every
//   interval 0, 1 to 1000 players: requests and MB per second received, the robot's
//   processor time per request and per second of its turns (busy: below 1 while it sleeps
//   with nothing left to write); beside it, in turns with it, a plain sender that writes
//   pre-built frames of the same sizes and mix (this machine's ceiling), as a ratio, and
//   the same sender paced as a worker is (1460-byte steps, 1 ms sleep when the socket is
//   full), with its own processor share: the ceiling of the robot's own pacing. MB/s are
//   medians over the turns; the load average closes each row. The robot and the senders
//   run on one processor, the agents on another: the agent reads while a sender writes,
//   as a remote agent would (on one shared processor a sender fills the socket and sleeps
//   while the agent reads, and the rows measure where the scheduler put them).
// memory: resident memory per simulated player at 1,000 and 10,000 players, against the
//   size of the player's record, once every creation of the burst has reached the agent.
// startup: start-up time with every declared table at its largest sample size, to the
//   configuration's report that there is no server.
// Each run uses its own temporary working folder, removed afterwards.

#include "DBStruct_User.h"
#include "StandInAgent.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <signal.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

int s_nSeconds = 5;
// The processor of the robot and the plain senders in the throughput rows; -1: any.
int s_nSenderCpu = -1;

// Binds the calling thread (and the threads and processes it starts later) to one processor.
void PinTo(int nCpu)
{
    if (nCpu < 0) {
        return;
    }
    cpu_set_t set;
    CPU_ZERO(&set);
    CPU_SET(nCpu, &set);
    sched_setaffinity(0, sizeof(set), &set);
}

// A temporary working folder with a Config/ from the fixture writer and the log folder.
struct WorkDir {
    std::string path;
    explicit WorkDir(const char* rows)
    {
        std::string tmpl = (fs::temp_directory_path() / "dravik-bench-XXXXXX").string();
        std::vector<char> buf(tmpl.begin(), tmpl.end());
        buf.push_back('\0');
        if (mkdtemp(buf.data()) == nullptr) {
            perror("mkdtemp");
            exit(1);
        }
        path = buf.data();
        fs::create_directories(path + "/RuntimeData/65535/Log");
        fs::create_directories(path + "/XmlConfig");
        std::string cmd = std::string("'") + DRAVIK_FIXTURES + "' --out '" + path + "' --rows " + rows + " > /dev/null";
        if (system(cmd.c_str()) != 0) {
            fprintf(stderr, "the fixture writer failed\n");
            exit(1);
        }
    }
    ~WorkDir()
    {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    void WriteXml(uint16_t port, int players, int interval) const
    {
        std::ofstream out(path + "/XmlConfig/benchmark_config.xml");
        out << "<benchmarkconfig>\n";
        if (players >= 0) {
            out << "<benchmark serverid=\"1\" dbserverhost=\"127.0.0.1\" dbserverport=\"" << port << "\" playernum=\""
                << players << "\" accprefix=\"bench\"/>\n";
        }
        for (const char* t : {"createchar", "usersave", "userload"}) {
            out << "<test type=\"" << t << "\" interval=\"" << interval << "\"/>\n";
        }
        out << "</benchmarkconfig>\n";
    }
};

// Processor time (user + system) of a process so far, in seconds; pSys receives the
// system part.
double ProcessCpuSeconds(pid_t pid, double* pSys = nullptr)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t p = stat.rfind(')');
    if (p == std::string::npos) {
        return 0;
    }
    std::istringstream ss(stat.substr(p + 2));
    std::string field;
    unsigned long long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && ss >> field; ++i) {
        if (i == 14) {
            utime = std::stoull(field);
        } else if (i == 15) {
            stime = std::stoull(field);
        }
    }
    if (pSys != nullptr) {
        *pSys = double(stime) / double(sysconf(_SC_CLK_TCK));
    }
    return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
}

// Dravik as a child process in a working folder; killed by the destructor.
struct Robot {
    pid_t pid = -1;
    explicit Robot(const std::string& dir)
    {
        pid = fork();
        if (pid == 0) {
            PinTo(s_nSenderCpu);
            if (chdir(dir.c_str()) != 0) {
                _exit(127);
            }
            int devnull = open("/dev/null", O_RDWR);
            dup2(devnull, 0);
            dup2(devnull, 1);
            execl(DRAVIK_EXE, DRAVIK_EXE, "bench", static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~Robot()
    {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
    double CpuSeconds(double* pSys = nullptr) const { return ProcessCpuSeconds(pid, pSys); }
    // Resident memory in KiB.
    long RssKiB() const
    {
        std::ifstream in("/proc/" + std::to_string(pid) + "/status");
        std::string line;
        while (std::getline(in, line)) {
            if (line.rfind("VmRSS:", 0) == 0) {
                return std::stol(line.substr(6));
            }
        }
        return 0;
    }
};

NSAgent::StandInAgent* StartAgent(bool counting)
{
    NSAgent::AgentOptions opts;
    opts.bCounting = counting;
    opts.bPrint = false;
    auto* a = new NSAgent::StandInAgent(opts);
    std::string err;
    if (!a->Start(err)) {
        fprintf(stderr, "agent: %s\n", err.c_str());
        exit(1);
    }
    return a;
}

bool WaitFor(const std::function<bool()>& pred, int seconds)
{
    return NSAgent::StandInAgent::WaitUntil(pred, std::chrono::seconds(seconds));
}

std::string Frame(uint16_t pid, size_t bodySize)
{
    std::string f(bodySize + 6, '\0');
    uint32_t total = uint32_t(bodySize + 6);
    f[0] = char(total >> 24);
    f[1] = char(total >> 16);
    f[2] = char(total >> 8);
    f[3] = char(total);
    f[4] = char(pid >> 8);
    f[5] = char(pid);
    if (pid == 4 && bodySize >= 2) {
        f[6] = 0x08; // SaveType as the agent's counting mode peeks it
        f[7] = bodySize > 20000 ? 2 : 1;
    }
    return f;
}

// Writes pre-built frames (the given mix) to an agent of its own, from a child process
// that the bench stops and continues with signals, as it does the robot: both senders are
// processes of their own writing to an agent thread of the bench. Free: one blocking send
// per block of frames, as fast as the socket takes them (the machine's ceiling). Paced: the
// robot's own pacing without any request building: a non-blocking socket with the
// library's options (no-delay, 87380-byte buffers), at most 1460 bytes per send call until
// the socket is full, then a 1 ms sleep (a worker pass).
class PlainSender {
public:
    PlainSender(const NSAgent::ServerStats& mix, bool bPaced) : m_agent(StartAgent(true))
    {
        // One block of frames in the observed proportions (at most 64 frames).
        const uint64_t total = std::max<uint64_t>(mix.nCreateChar + mix.nUserSave + mix.nUserLoad, 1);
        std::string block;
        auto add = [&](uint64_t n, uint16_t pid, size_t body) {
            uint64_t k = std::max<uint64_t>(n * 64 / total, n > 0 ? 1 : 0);
            for (uint64_t i = 0; i < k; ++i) {
                block += Frame(pid, body);
            }
        };
        add(mix.nUserSave, 4, 70771 - 6);
        add(mix.nUserLoad, 6, 18 - 6);
        add(mix.nCreateChar, 4, 10226 - 6);
        if (block.empty()) {
            block = Frame(6, 18 - 6);
        }
        const uint16_t port = m_agent->Port();
        m_pid = fork();
        if (m_pid == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            PinTo(s_nSenderCpu);
            raise(SIGSTOP); // sends from its first turn on
            Send(block, port, bPaced);
        }
        int status = 0;
        waitpid(m_pid, &status, WUNTRACED); // stopped: a first SIGCONT cannot come too early
    }
    ~PlainSender()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
    pid_t Pid() const { return m_pid; }
    uint64_t Bytes() const { return m_agent->Totals().nBytes; }

private:
    // The child's loop: never returns.
    [[noreturn]] static void Send(const std::string& block, uint16_t port, bool bPaced)
    {
        int fd = socket(AF_INET, SOCK_STREAM, 0);
        int one = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof(one));
        if (bPaced) {
            // As the library sets up a client: options before the connect, non-blocking after.
            int size = 87380;
            setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &size, sizeof(size));
            setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof(size));
        }
        sockaddr_in sa{};
        sa.sin_family = AF_INET;
        sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        sa.sin_port = htons(port);
        if (connect(fd, reinterpret_cast<sockaddr*>(&sa), sizeof(sa)) != 0) {
            _exit(1);
        }
        if (bPaced) {
            fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
        }
        size_t off = 0;
        for (;;) {
            if (!bPaced) {
                for (off = 0; off < block.size();) {
                    ssize_t w = send(fd, block.data() + off, block.size() - off, MSG_NOSIGNAL);
                    if (w <= 0) {
                        _exit(0);
                    }
                    off += size_t(w);
                }
                continue;
            }
            for (;;) {
                if (off == block.size()) {
                    off = 0;
                }
                ssize_t w = send(fd, block.data() + off, std::min<size_t>(1460, block.size() - off), MSG_NOSIGNAL);
                if (w <= 0) {
                    break;
                }
                off += size_t(w);
            }
            const timespec ms = {0, 1000000};
            nanosleep(&ms, nullptr);
        }
    }

    std::unique_ptr<NSAgent::StandInAgent> m_agent;
    pid_t m_pid = -1;
};

double Seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// One sender's turns: its agent's byte count when each turn starts, and each turn's length.
// A turn's bytes are those counted up to the start of the sender's next turn (what was on
// its way when the turn ended arrives in between), the last turn's up to nEnd.
struct Turns {
    std::vector<uint64_t> vecStart;
    std::vector<double> vecSeconds;

    // The median of the turns' MB per second: one turn in which the loopback path happens
    // to run far faster or slower than usual does not decide the figure.
    double MedianMBps(uint64_t nEnd) const
    {
        std::vector<double> rates;
        for (size_t i = 0; i < vecStart.size(); ++i) {
            const uint64_t next = i + 1 < vecStart.size() ? vecStart[i + 1] : nEnd;
            rates.push_back(double(next - vecStart[i]) / 1e6 / vecSeconds[i]);
        }
        if (rates.empty()) {
            return 0;
        }
        std::sort(rates.begin(), rates.end());
        const size_t n = rates.size();
        return n % 2 == 1 ? rates[n / 2] : (rates[n / 2 - 1] + rates[n / 2]) / 2;
    }
};

// The robot and the two plain senders take turns of one second (each stopped with SIGSTOP
// while the others send), so that all three see the same machine: on a shared
// machine the load changes from one second to the next, and a sender measured after
// another may see a different one. The MB/s columns are medians over the turns.
void Throughput()
{
    // The last two processors this process may use: the agents' (this thread's, whose
    // agent threads inherit it) and the senders'.
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    std::vector<int> vecCpus;
    if (sched_getaffinity(0, sizeof(allowed), &allowed) == 0) {
        for (int i = 0; i < CPU_SETSIZE; ++i) {
            if (CPU_ISSET(i, &allowed)) {
                vecCpus.push_back(i);
            }
        }
    }
    if (vecCpus.size() >= 2) {
        s_nSenderCpu = vecCpus.back();
        PinTo(vecCpus[vecCpus.size() - 2]);
    }
    printf("throughput (every interval 0; robot, free and paced sender in turns of 1 s, %d turns each per row",
           s_nSeconds);
    if (s_nSenderCpu >= 0) {
        printf("; senders on processor %d, agents on %d", s_nSenderCpu, vecCpus[vecCpus.size() - 2]);
    }
    printf(")\n");
    printf("%8s %12s %10s %12s %14s %8s %6s %12s %8s %12s %6s %8s %6s\n", "players", "requests/s", "MB/s",
           "saves/s", "cpu us/request", "kernel", "busy", "plain MB/s", "ratio", "paced MB/s", "busy", "ratio", "load");
    for (int players : {1, 10, 100, 1000}) {
        WorkDir dir("3");
        std::unique_ptr<NSAgent::StandInAgent> agent(StartAgent(true));
        dir.WriteXml(agent->Port(), players, 0);
        Robot robot(dir.path);
        if (!WaitFor([&] { return agent->Totals().nCreateChar >= uint64_t(players); }, 60)) {
            fprintf(stderr, "no registration burst for %d players\n", players);
            continue;
        }
        // Two seconds to settle (the output buffer reaches its working size); they give
        // the mix of request kinds that the plain senders copy.
        NSAgent::ServerStats w0 = agent->Totals();
        std::this_thread::sleep_for(std::chrono::seconds(2));
        NSAgent::ServerStats w1 = agent->Totals();
        NSAgent::ServerStats mix;
        mix.nCreateChar = w1.nCreateChar - w0.nCreateChar;
        mix.nUserSave = w1.nUserSave - w0.nUserSave;
        mix.nUserLoad = w1.nUserLoad - w0.nUserLoad;
        PlainSender freeSender(mix, false);
        PlainSender pacedSender(mix, true);

        NSAgent::ServerStats s0 = agent->Totals();
        double sys0 = 0, sys1 = 0;
        double cpu0 = robot.CpuSeconds(&sys0);
        Turns robotTurns, freeTurns, pacedTurns;
        const double pacedCpu0 = ProcessCpuSeconds(pacedSender.Pid());
        NSAgent::ServerStats s1;
        double cpu1 = 0;
        for (int i = 0; i < s_nSeconds; ++i) {
            auto t = Clock::now();
            robotTurns.vecStart.push_back(agent->Totals().nBytes);
            std::this_thread::sleep_for(std::chrono::seconds(1));
            kill(robot.pid, SIGSTOP);
            robotTurns.vecSeconds.push_back(Seconds(Clock::now() - t));
            // The processor time of a stopped process stays.
            for (PlainSender* sender : {&freeSender, &pacedSender}) {
                Turns& turns = sender == &freeSender ? freeTurns : pacedTurns;
                t = Clock::now();
                turns.vecStart.push_back(sender->Bytes());
                kill(sender->Pid(), SIGCONT);
                std::this_thread::sleep_for(std::chrono::seconds(1));
                kill(sender->Pid(), SIGSTOP);
                turns.vecSeconds.push_back(Seconds(Clock::now() - t));
            }
            if (i + 1 == s_nSeconds) {
                s1 = agent->Totals(); // the robot's last bytes arrived during the others' turns
                cpu1 = robot.CpuSeconds(&sys1);
            }
            kill(robot.pid, SIGCONT);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        double loadavg[1] = {0};
        getloadavg(loadavg, 1);

        double secs = 0;
        for (double d : robotTurns.vecSeconds) {
            secs += d;
        }
        const uint64_t requests = s1.Requests() - s0.Requests();
        const double mbps = robotTurns.MedianMBps(s1.nBytes);
        const double cpuPerReq = requests > 0 ? (cpu1 - cpu0) * 1e6 / double(requests) : 0;
        const double sysShare = cpu1 > cpu0 ? (sys1 - sys0) / (cpu1 - cpu0) : 0;
        const double plain = freeTurns.MedianMBps(freeSender.Bytes());
        const double paced = pacedTurns.MedianMBps(pacedSender.Bytes());
        double pacedSecs = 0;
        for (double d : pacedTurns.vecSeconds) {
            pacedSecs += d;
        }
        const double pacedBusy = (ProcessCpuSeconds(pacedSender.Pid()) - pacedCpu0) / pacedSecs;
        printf("%8d %12.0f %10.1f %12.0f %14.1f %7.0f%% %6.2f %12.1f %8.2f %12.1f %6.2f %8.2f %6.1f\n", players,
               double(requests) / secs, mbps, double(s1.nUserSave - s0.nUserSave) / secs, cpuPerReq,
               sysShare * 100, (cpu1 - cpu0) / secs, plain, plain > 0 ? mbps / plain : 0, paced, pacedBusy,
               paced > 0 ? mbps / paced : 0, loadavg[0]);
        fflush(stdout);
    }
    s_nSenderCpu = -1;
    sched_setaffinity(0, sizeof(allowed), &allowed);
}

void Memory()
{
    printf("memory (creation burst only, every interval -1)\n");
    const size_t record = sizeof(DBFullUserData);
    printf("record: sizeof(DBFullUserData) %zu bytes, plus 30 mails on the heap; a save carries 67505 bytes of images\n",
           record);
    printf("%8s %14s %16s %14s %12s\n", "players", "RSS MiB", "KiB per player", "x record", "creations");
    long base = 0;
    for (int players : {0, 1000, 10000}) {
        WorkDir dir("3");
        std::unique_ptr<NSAgent::StandInAgent> agent(StartAgent(true));
        dir.WriteXml(agent->Port(), players, -1);
        Robot robot(dir.path);
        if (!WaitFor([&] { return agent->Totals().nRegist >= 1; }, 60)) {
            fprintf(stderr, "no registration\n");
            continue;
        }
        // The burst waits in the players beyond the output buffer's bound and leaves as
        // the agent reads: every creation is in once the last one is.
        if (!WaitFor([&] { return agent->Totals().nCreateChar >= uint64_t(players); }, 120)) {
            fprintf(stderr, "%llu of %d creations arrived\n", static_cast<unsigned long long>(agent->Totals().nCreateChar),
                    players);
        }
        // Settled: the resident size no longer grows for a second.
        long last = -1, rss = robot.RssKiB();
        auto deadline = Clock::now() + std::chrono::seconds(120);
        while (rss != last && Clock::now() < deadline) {
            last = rss;
            std::this_thread::sleep_for(std::chrono::seconds(1));
            rss = robot.RssKiB();
        }
        if (players == 0) {
            base = rss;
            printf("%8d %14.1f %16s %14s\n", players, double(rss) / 1024, "-", "-");
            continue;
        }
        double perPlayer = double(rss - base) / players;
        // Creations that reached the agent.
        printf("%8d %14.1f %16.1f %14.2f %12llu\n", players, double(rss) / 1024, perPlayer,
               perPlayer * 1024 / double(record), static_cast<unsigned long long>(agent->Totals().nCreateChar));
        fflush(stdout);
    }
}

void Startup()
{
    printf("start-up (every declared table at its largest sample size, no server)\n");
    WorkDir dir("max");
    dir.WriteXml(0, -1, 0);
    uintmax_t bytes = 0;
    size_t files = 0;
    for (const auto& e : fs::directory_iterator(dir.path + "/Config")) {
        bytes += e.file_size();
        ++files;
    }
    // Without a server the configuration's report ends the run, with status 1, once every
    // table has loaded; any other end is a failure of the load.
    const std::string outFile = dir.path + "/dravik.out";
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        auto t0 = Clock::now();
        pid_t pid = fork();
        if (pid == 0) {
            if (chdir(dir.path.c_str()) != 0) {
                _exit(127);
            }
            int out = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(out, 1);
            execl(DRAVIK_EXE, DRAVIK_EXE, "bench", static_cast<char*>(nullptr));
            _exit(127);
        }
        int st = 0;
        waitpid(pid, &st, 0);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
        std::ifstream in(outFile);
        const std::string output((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!WIFEXITED(st) || WEXITSTATUS(st) != 1 || output.find("there is no server to run") == std::string::npos) {
            fprintf(stderr, "Dravik ended with status %d:\n%s\n", st, output.c_str());
            return;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    printf("%zu table files, %.1f MB: start-up to exit min %.1f ms, median %.1f ms\n", files, double(bytes) / 1e6,
           times.front(), times[times.size() / 2]);
}

} // namespace

int main(int argc, char** argv)
{
    std::string what = "all";
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--seconds" && i + 1 < argc) {
            s_nSeconds = std::max(1, atoi(argv[++i]));
        } else {
            what = a;
        }
    }
    if (what == "throughput" || what == "all") {
        Throughput();
    }
    if (what == "memory" || what == "all") {
        Memory();
    }
    if (what == "startup" || what == "all") {
        Startup();
    }
    return 0;
}
