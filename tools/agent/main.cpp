// dravik_agent: the stand-in database agent as a program.
//   dravik_agent [--host 127.0.0.1] [--port N] [--seconds N] [--count | --answer] [--quiet]
//                [--fault MODE] [--missing-type T] [--serial T=V] [--carry T=V]
//                [--port-file PATH]
// SIGINT or SIGTERM stop it (printing the totals), SIGUSR1 closes every open connection.

#include "StandInAgent.h"

#include <google/protobuf/stubs/logging.h>

#include <pthread.h>
#include <signal.h>
#include <time.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Usage()
{
    fprintf(stderr,
            "usage: dravik_agent [--host 127.0.0.1] [--port N] [--seconds N] [--count | --answer] [--quiet]\n"
            "                    [--fault none|noreply|malformed|empty|missingtype|shortserial|firstonly]\n"
            "                    [--missing-type T] [--serial T=V] [--carry T=V] [--port-file PATH]\n");
}

bool ParseUnsigned(const char* sz, unsigned long long nMax, unsigned long long& rOut)
{
    if (sz == nullptr || *sz < '0' || *sz > '9') {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    unsigned long long v = strtoull(sz, &end, 10);
    if (errno != 0 || *end != '\0' || v > nMax) {
        return false;
    }
    rOut = v;
    return true;
}

// "T=V" with T in 0..2 and V a 32-bit unsigned value.
bool ParseTypeValue(const char* sz, uint32_t* aOut)
{
    const char* eq = sz != nullptr ? strchr(sz, '=') : nullptr;
    if (eq == nullptr) {
        return false;
    }
    unsigned long long t = 0, v = 0;
    std::string strType(sz, eq);
    if (!ParseUnsigned(strType.c_str(), 2, t) || !ParseUnsigned(eq + 1, 0xFFFFFFFFull, v)) {
        return false;
    }
    aOut[t] = uint32_t(v);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Malformed frames are counted; protobuf's own complaint about each would flood the output.
    google::protobuf::SetLogHandler(nullptr);
    NSAgent::AgentOptions opts;
    unsigned long long nSeconds = 0;
    std::string strPortFile;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        const char* next = i + 1 < argc ? argv[i + 1] : nullptr;
        unsigned long long v = 0;
        bool ok = true;
        if (a == "--host" && next) {
            opts.strHost = next;
            ++i;
        } else if (a == "--port" && next) {
            ok = ParseUnsigned(next, 65535, v);
            opts.nPort = uint16_t(v);
            ++i;
        } else if (a == "--seconds" && next) {
            ok = ParseUnsigned(next, 1000000, nSeconds);
            ++i;
        } else if (a == "--count") {
            opts.bCounting = true;
        } else if (a == "--answer") {
            opts.bAnswer = true;
        } else if (a == "--quiet") {
            opts.bPrint = false;
        } else if (a == "--fault" && next) {
            ok = NSAgent::ParseFault(next, opts.eFault);
            ++i;
        } else if (a == "--missing-type" && next) {
            ok = ParseUnsigned(next, 2, v);
            opts.nMissingType = int(v);
            ++i;
        } else if (a == "--serial" && next) {
            ok = ParseTypeValue(next, opts.aSerial);
            ++i;
        } else if (a == "--carry" && next) {
            ok = ParseTypeValue(next, opts.aCarry);
            ++i;
        } else if (a == "--port-file" && next) {
            strPortFile = next;
            ++i;
        } else {
            ok = false;
        }
        if (!ok) {
            fprintf(stderr, "dravik_agent: bad argument: %s%s%s\n", a.c_str(), next ? " " : "", next ? next : "");
            Usage();
            return 2;
        }
    }

    if (opts.bCounting && opts.bAnswer) {
        fprintf(stderr, "dravik_agent: --count and --answer exclude each other (answers need the decoded requests)\n");
        Usage();
        return 2;
    }

    // Signals are taken synchronously below; block them before the I/O thread exists.
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGUSR1);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);

    NSAgent::StandInAgent agent(opts);
    std::string strError;
    if (!agent.Start(strError)) {
        fprintf(stderr, "dravik_agent: %s\n", strError.c_str());
        return 1;
    }
    printf("agent listening on %s:%u%s\n", opts.strHost.c_str(), unsigned(agent.Port()),
           opts.bCounting ? " (counting)" : (opts.bAnswer ? " (answering saves and loads)" : ""));
    fflush(stdout);
    if (!strPortFile.empty()) {
        std::string tmp = strPortFile + ".tmp";
        FILE* f = fopen(tmp.c_str(), "w");
        if (f == nullptr || fprintf(f, "%u\n", unsigned(agent.Port())) < 0 || fclose(f) != 0 ||
            rename(tmp.c_str(), strPortFile.c_str()) != 0) {
            fprintf(stderr, "dravik_agent: cannot write %s\n", strPortFile.c_str());
            agent.Stop();
            return 1;
        }
    }

    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += time_t(nSeconds);
    for (;;) {
        timespec wait{0, 200 * 1000 * 1000};
        int sig = sigtimedwait(&set, nullptr, &wait);
        if (sig == SIGINT || sig == SIGTERM) {
            break;
        }
        if (sig == SIGUSR1) {
            agent.CloseConnections();
        }
        if (nSeconds > 0) {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            if (now.tv_sec > deadline.tv_sec || (now.tv_sec == deadline.tv_sec && now.tv_nsec >= deadline.tv_nsec)) {
                break;
            }
        }
    }
    agent.Stop();
    return 0;
}
