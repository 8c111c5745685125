// The benchmark configuration, ./XmlConfig/benchmark_config.xml, as start-up loads it.
// Reports (a file that does not parse, a value outside its attribute's range) are expected outcomes.
// The file is written in a folder of the target's own, entered for each load only.

#include "BenchmarkConfig.h"
#include "FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string s_strFolder;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::QuietReports();
    // In memory where there is such a folder: the file is written for every input.
    char szShm[] = "/dev/shm/dravik-fuzz-config-XXXXXX";
    char szTmp[] = "/tmp/dravik-fuzz-config-XXXXXX";
    char* szFolder = ::mkdtemp(szShm);
    if (szFolder == nullptr) {
        szFolder = ::mkdtemp(szTmp);
    }
    if (szFolder == nullptr) {
        fuzz::Fail("no scratch folder");
    }
    s_strFolder = szFolder;
    ::mkdir((s_strFolder + "/XmlConfig").c_str(), 0700);
    std::atexit([] {
        std::remove((s_strFolder + "/XmlConfig/benchmark_config.xml").c_str());
        ::rmdir((s_strFolder + "/XmlConfig").c_str());
        ::rmdir(s_strFolder.c_str());
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    FILE* fp = std::fopen((s_strFolder + "/XmlConfig/benchmark_config.xml").c_str(), "wb");
    if (fp == nullptr) {
        fuzz::Fail("cannot write the configuration");
    }
    if (nSize > 0 && std::fwrite(pData, 1, nSize, fp) != nSize) {
        fuzz::Fail("cannot write the configuration");
    }
    std::fclose(fp);

    const int fdBack = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fdBack < 0 || ::chdir(s_strFolder.c_str()) != 0) {
        fuzz::Fail("cannot enter the scratch folder");
    }
    BenchmarkConfig& cfg = BenchmarkConfig::getInstance();
    const bool bReported = fuzz::Reported([&] { cfg.Load(); });
    if (::fchdir(fdBack) != 0) {
        fuzz::Fail("cannot leave the scratch folder");
    }
    ::close(fdBack);
    if (bReported) {
        return 0;
    }
    // A file that loads names a server, and every value lies in its attribute's range.
    if (cfg.Servers().empty()) {
        fuzz::Fail("loaded without a server");
    }
    for (const auto& kv : cfg.Servers()) {
        if (kv.first <= 0) {
            fuzz::Fail("server id %d kept", kv.first);
        }
        if (kv.second.dbServerPort == 0 || kv.second.playerNum < 0) {
            fuzz::Fail("server %d kept port %d, players %d", kv.first, kv.second.dbServerPort, kv.second.playerNum);
        }
    }
    for (tint32 t = BT_START; t < BT_MAX; ++t) {
        if (cfg.GetInterval(t) < -1) {
            fuzz::Fail("interval %d of kind %d", cfg.GetInterval(t), t);
        }
    }
    return 0;
}
