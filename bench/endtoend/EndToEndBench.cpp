// bench_endtoend [throughput|memory|startup|all] [--seconds N]
//
// throughput: Dravik against the stand-in agent in counting mode on loopback, every
//   interval 0, 1 to 1000 players: requests and MB per second received and the robot's
//   processor time per request; beside it, in the same run, a plain sender that writes
//   pre-built frames of the same sizes and mix (this machine's ceiling), as a ratio, and
//   the same sender paced as a worker is (1460-byte steps, 1 ms sleep when the socket is
//   full): the ceiling of the robot's own pacing.
// memory: resident memory per simulated player at 1,000 and 10,000 players, against the
//   size of the player's record, once every creation of the burst has reached the agent.
// startup: start-up time with every declared table at its largest sample size.
// Each run uses its own temporary working folder, removed afterwards.

#include "DBStruct_User.h"
#include "StandInAgent.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
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

// Dravik as a child process in a working folder; killed by the destructor.
struct Robot {
    pid_t pid = -1;
    explicit Robot(const std::string& dir)
    {
        pid = fork();
        if (pid == 0) {
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
    // Processor time (user + system) of the robot so far, in seconds; pSys receives the
    // system part.
    double CpuSeconds(double* pSys = nullptr) const
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

// Writes pre-built frames (the given mix) to an agent.
// Free: one blocking send per block of frames, as fast as the socket takes them (the
// machine's ceiling). Paced: the robot's own pacing without any request building: a
// non-blocking socket with the library's options (no-delay, 87380-byte buffers), at most
// 1460 bytes per send call until the socket is full, then a 1 ms sleep (a worker pass).
double PlainSenderMBps(const NSAgent::ServerStats& mix, int seconds, bool bPaced)
{
    std::unique_ptr<NSAgent::StandInAgent> agent(StartAgent(true));
    // One block of frames in the observed proportions (at most 64 frames).
    uint64_t total = mix.nCreateChar + mix.nUserSave + mix.nUserLoad;
    if (total == 0) {
        return 0;
    }
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

    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    sa.sin_port = htons(agent->Port());
    if (connect(fd, reinterpret_cast<sockaddr*>(&sa), sizeof(sa)) != 0) {
        perror("connect");
        exit(1);
    }
    int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof(one));
    if (bPaced) {
        int size = 87380;
        setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &size, sizeof(size));
        setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof(size));
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
    const uint64_t before = agent->Totals().nBytes;
    auto t0 = Clock::now();
    auto end = t0 + std::chrono::seconds(seconds);
    size_t off = 0;
    while (Clock::now() < end) {
        if (!bPaced) {
            for (off = 0; off < block.size();) {
                ssize_t w = send(fd, block.data() + off, block.size() - off, MSG_NOSIGNAL);
                if (w <= 0) {
                    break;
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
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    double secs = std::chrono::duration<double>(Clock::now() - t0).count();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    close(fd);
    return double(agent->Totals().nBytes - before) / 1e6 / secs;
}

void Throughput()
{
    printf("throughput (every interval 0, %d s per row)\n", s_nSeconds);
    printf("%8s %12s %10s %12s %14s %8s %12s %8s %12s %8s\n", "players", "requests/s", "MB/s", "saves/s",
           "cpu us/request", "kernel", "plain MB/s", "ratio", "paced MB/s", "ratio");
    for (int players : {1, 10, 100, 1000}) {
        WorkDir dir("3");
        std::unique_ptr<NSAgent::StandInAgent> agent(StartAgent(true));
        dir.WriteXml(agent->Port(), players, 0);
        Robot robot(dir.path);
        if (!WaitFor([&] { return agent->Totals().nCreateChar >= uint64_t(players); }, 60)) {
            fprintf(stderr, "no registration burst for %d players\n", players);
            continue;
        }
        NSAgent::ServerStats s0 = agent->Totals();
        double sys0 = 0, sys1 = 0;
        double cpu0 = robot.CpuSeconds(&sys0);
        auto t0 = Clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(s_nSeconds));
        NSAgent::ServerStats s1 = agent->Totals();
        double cpu1 = robot.CpuSeconds(&sys1);
        double secs = std::chrono::duration<double>(Clock::now() - t0).count();
        NSAgent::ServerStats d;
        d.nCreateChar = s1.nCreateChar - s0.nCreateChar;
        d.nUserSave = s1.nUserSave - s0.nUserSave;
        d.nUserLoad = s1.nUserLoad - s0.nUserLoad;
        uint64_t requests = s1.Requests() - s0.Requests();
        double mbps = double(s1.nBytes - s0.nBytes) / 1e6 / secs;
        double cpuPerReq = requests > 0 ? (cpu1 - cpu0) * 1e6 / double(requests) : 0;
        double sysShare = cpu1 > cpu0 ? (sys1 - sys0) / (cpu1 - cpu0) : 0;
        double plain = PlainSenderMBps(d, s_nSeconds, false);
        double paced = PlainSenderMBps(d, s_nSeconds, true);
        printf("%8d %12.0f %10.1f %12.0f %14.1f %7.0f%% %12.1f %8.2f %12.1f %8.2f\n", players,
               double(requests) / secs, mbps, double(d.nUserSave) / secs, cpuPerReq, sysShare * 100, plain,
               plain > 0 ? mbps / plain : 0, paced, paced > 0 ? mbps / paced : 0);
        fflush(stdout);
    }
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
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        auto t0 = Clock::now();
        pid_t pid = fork();
        if (pid == 0) {
            if (chdir(dir.path.c_str()) != 0) {
                _exit(127);
            }
            int devnull = open("/dev/null", O_RDWR);
            dup2(devnull, 1);
            execl(DRAVIK_EXE, DRAVIK_EXE, "bench", static_cast<char*>(nullptr));
            _exit(127);
        }
        int st = 0;
        waitpid(pid, &st, 0);
        if (!WIFEXITED(st) || WEXITSTATUS(st) != 0) {
            fprintf(stderr, "Dravik ended with status %d\n", st);
            return;
        }
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
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
