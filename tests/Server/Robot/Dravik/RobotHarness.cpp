#include "RobotHarness.h"

#include "PlayerRequests.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#ifndef DRAVIK_FIXTURES
#error "DRAVIK_FIXTURES must name the fixture writer"
#endif
#ifndef DRAVIK_EXE
#error "DRAVIK_EXE must name the Dravik executable"
#endif

namespace {
int s_nRunCount = 0;
}

DravikProcess::DravikProcess(const std::vector<std::string>& args)
{
    char cwd[4096];
    if (getcwd(cwd, sizeof(cwd)) == nullptr) {
        return;
    }
    m_strOutFile = std::string(cwd) + "/dravik-run-" + std::to_string(++s_nRunCount) + ".out";
    std::vector<std::string> argv0;
    argv0.push_back(DRAVIK_EXE);
    argv0.insert(argv0.end(), args.begin(), args.end());
    std::vector<char*> argvp;
    for (std::string& a : argv0) {
        argvp.push_back(&a[0]);
    }
    argvp.push_back(nullptr);

    int out = open(m_strOutFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    int in = open("/dev/null", O_RDONLY | O_CLOEXEC);
    m_pid = fork();
    if (m_pid == 0) {
        dup2(in, 0);
        dup2(out, 1);
        dup2(out, 2);
        execv(argvp[0], argvp.data());
        _exit(127);
    }
    close(out);
    close(in);
}

DravikProcess::~DravikProcess()
{
    Kill();
}

std::string DravikProcess::Output() const
{
    std::ifstream in(m_strOutFile, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool DravikProcess::WaitExit(std::chrono::milliseconds timeout, int& rStatus)
{
    if (m_pid <= 0) {
        return false;
    }
    auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        int st = 0;
        pid_t r = waitpid(m_pid, &st, WNOHANG);
        if (r == m_pid) {
            m_bReaped = true;
            rStatus = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

bool DravikProcess::Running()
{
    if (m_pid <= 0 || m_bReaped) {
        return false;
    }
    int st = 0;
    if (waitpid(m_pid, &st, WNOHANG) == m_pid) {
        m_bReaped = true;
        return false;
    }
    return true;
}

void DravikProcess::Signal(int nSignal)
{
    if (m_pid > 0 && !m_bReaped) {
        kill(m_pid, nSignal);
    }
}

void DravikProcess::Kill()
{
    if (m_pid > 0 && !m_bReaped) {
        kill(m_pid, SIGKILL);
        int st = 0;
        waitpid(m_pid, &st, 0);
        m_bReaped = true;
    }
}

void WriteBenchmarkXml(const TempWorkDir& dir, uint16_t nPort, const std::vector<BenchServer>& servers,
                       int nCreateInterval, int nSaveInterval, int nLoadInterval)
{
    std::ostringstream x;
    x << "<?xml version=\"1.0\"?>\n<benchmarkconfig>\n";
    for (const BenchServer& s : servers) {
        x << "  <benchmark serverid=\"" << s.nServerId << "\" dbserverhost=\"127.0.0.1\" dbserverport=\"" << nPort
          << "\" playernum=\"" << s.nPlayers << "\" accprefix=\"" << s.strPrefix << "\"/>\n";
    }
    x << "  <test type=\"createchar\" interval=\"" << nCreateInterval << "\"/>\n";
    x << "  <test type=\"usersave\" interval=\"" << nSaveInterval << "\"/>\n";
    x << "  <test type=\"userload\" interval=\"" << nLoadInterval << "\"/>\n";
    x << "</benchmarkconfig>\n";
    dir.WriteFile("XmlConfig/benchmark_config.xml", x.str());
}

uint16_t UnusedPort()
{
    // Below the kernel's ephemeral range (32768 and up here): a port released now must
    // not be taken by some other test's outgoing connection before the agent binds it.
    // Parallel test processes spread over the range by their pid.
    const uint16_t nFirst = 20000;
    const uint16_t nSpan = 12000;
    const uint16_t nStart = static_cast<uint16_t>(static_cast<unsigned>(getpid()) * 7919u % nSpan);
    for (uint16_t i = 0; i < nSpan; ++i) {
        const uint16_t nPort = static_cast<uint16_t>(nFirst + (nStart + i) % nSpan);
        int fd = socket(AF_INET, SOCK_STREAM, 0);
        if (fd < 0) {
            break;
        }
        sockaddr_in sa{};
        sa.sin_family = AF_INET;
        sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        sa.sin_port = htons(nPort);
        const bool bFree = bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof(sa)) == 0;
        close(fd);
        if (bFree) {
            return nPort;
        }
    }
    ADD_FAILURE() << "no free loopback port";
    return 0;
}

std::vector<NSAgent::RecordedFrame> FramesOf(const std::vector<NSAgent::RecordedFrame>& frames, uint16_t nPacketId)
{
    std::vector<NSAgent::RecordedFrame> out;
    for (const auto& f : frames) {
        if (f.nPacketId == nPacketId) {
            out.push_back(f);
        }
    }
    return out;
}

void WriteSampleTables(const TempWorkDir& dir)
{
    // The fixture writer: a valid file with three sample rows for every declared table,
    // the robot-name table included.
    std::string cmd = std::string("'") + DRAVIK_FIXTURES + "' --out '" + dir.Path() + "' --rows 3 > /dev/null";
    int rc = system(cmd.c_str());
    if (rc != 0) {
        ADD_FAILURE() << "the fixture writer failed: " << cmd;
    }
}

namespace {

uint64_t LittleEndian(const std::string& s, size_t off, int nBytes)
{
    uint64_t v = 0;
    for (int i = nBytes - 1; i >= 0; --i) {
        v = (v << 8) | static_cast<unsigned char>(s.at(off + size_t(i)));
    }
    return v;
}

} // namespace

uint64_t LE64(const std::string& s, size_t off)
{
    return LittleEndian(s, off, 8);
}

uint32_t LE32(const std::string& s, size_t off)
{
    return static_cast<uint32_t>(LittleEndian(s, off, 4));
}

std::unique_ptr<DBFullUserData> PlayerRecord(tuint64 guid, int nItems, int nShop, int nCurrencies, int nMails)
{
    std::unique_ptr<DBFullUserData> r(new DBFullUserData());
    ZeroRecordBytes(*r);
    r->InitAsCreateNewChar(guid, "acc1700000000", "acc1700000000", 0, 0, 1000, 0);
    for (int i = 0; i < nItems; ++i) {
        r->m_ItemPack.m_data[i].m_guid = guid + 100 + tuint64(i);
        r->m_ItemPack.m_data[i].m_charGuid = guid;
    }
    r->m_ItemPack.m_count = nItems;
    r->m_CurrencyPack.m_count = nCurrencies;
    for (int i = 0; i < nShop; ++i) {
        r->m_shopPack.m_data[i].m_tId = 41002 + i;
    }
    r->m_shopPack.m_count = nShop;
    for (int i = 0; i < nMails; ++i) {
        AD_EMAILINFO* m = r->m_emailPack.m_emailData.Add();
        m->set_guid(guid + 1000 + tuint64(i));
        m->set_type(0);
        m->set_state(0);
        m->set_createtime(1700000000);
        m->set_globalguid(0);
        m->set_title("test");
        m->set_senderguid(-1);
        m->set_receiverguid(static_cast<tint64>(guid));
        m->set_sender("system");
        m->set_receiver(std::string(40, 'r'));
        m->set_content(i == nMails - 1 ? "" : "content");
        if (i == nMails - 1) {
            m->mutable_awardinfo();
        }
    }
    r->m_scrapCard.charGuid = static_cast<tint64>(guid);
    return r;
}
