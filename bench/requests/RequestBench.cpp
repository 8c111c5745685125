// One request of each kind built by the robot's own PlayerRequests (from a record filled
// as PlayerSimulator::Init fills it), serialised and framed behind the 6-byte header as the
// network library's send does (ByteSize, header, serialise in place), against one memcpy
// of the same number of bytes measured in the same run. Counter "x_memcpy": how many
// memcpys of the frame's size one request costs.
// The *ToSocket rows take the whole road: PlayerRequests, TcpClient::Send into the
// session's ring buffer and TcpClient::Tick writing it to a loopback socket in 1460-byte
// steps, with a thread reading and dropping the bytes on the other side.

#include "AD_PBMessage.pb.h"
#include "DBStruct_User.h"
#include "Guid64.h"
#include "PlayerRequests.h"
#include "TcpClient.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

const uint64_t kChar = 0x0001000000000001ull;

std::unique_ptr<DBFullUserData> MakeRecord()
{
    std::unique_ptr<DBFullUserData> r(new DBFullUserData());
    std::string name = "p0" + std::to_string(static_cast<long long>(time(nullptr)));
    r->InitAsCreateNewChar(kChar, name.c_str(), name.c_str(), 0, 0, 1000, 0);
    for (int i = 0; i < DBItemPack::ITEM_TOTAL_COUNT; ++i) {
        r->m_ItemPack.m_data[i].m_guid = 0x0001010000000000ull + uint64_t(i);
        r->m_ItemPack.m_data[i].m_charGuid = kChar;
    }
    r->m_ItemPack.m_count = DBItemPack::ITEM_TOTAL_COUNT;
    for (int i = 0; i < 30; ++i) {
        AD_EMAILINFO* m = r->m_emailPack.m_emailData.Add();
        m->set_guid(0x0001020000000000ull + uint64_t(i));
        m->set_type(0);
        m->set_state(0);
        m->set_createtime(time(nullptr));
        m->set_globalguid(0);
        m->set_sender("system");
        m->set_receiver("p0");
        m->set_title("test");
        m->set_content("content");
        m->set_senderguid(-1);
        m->set_receiverguid(int64_t(kChar));
    }
    for (int i = 0; i < DBShopPack::ITEM_TOTAL_COUNT; ++i) {
        r->m_shopPack.m_data[i].m_charGuid = kChar;
        r->m_shopPack.m_data[i].m_tId = 41002 + i;
        r->m_shopPack.m_data[i].m_num = 10;
        r->m_shopPack.m_data[i].m_discount = 8;
    }
    r->m_shopPack.m_count = DBShopPack::ITEM_TOTAL_COUNT;
    r->m_scrapCard.charGuid = int64_t(kChar);
    return r;
}

// Frames msg into out as the network library's send does; returns the frame's size.
size_t Frame(const google::protobuf::Message& msg, uint16_t pid, std::vector<char>& out)
{
    const size_t body = msg.ByteSizeLong();
    out.resize(body + 6); // no reallocation once the largest frame has been seen
    const uint32_t total = uint32_t(body + 6);
    out[0] = char(total >> 24);
    out[1] = char(total >> 16);
    out[2] = char(total >> 8);
    out[3] = char(total);
    out[4] = char(pid >> 8);
    out[5] = char(pid);
    msg.SerializeWithCachedSizesToArray(reinterpret_cast<uint8_t*>(out.data()) + 6);
    return out.size();
}

size_t BuildCreate(PlayerRequests& req, std::vector<char>& out)
{
    DBFullUserData& rec = req.NewCharRecord();
    rec.InitAsCreateNewChar(kChar + 1, "p01700000000", "p01700000000", 0, 0, 1000, 1000);
    return Frame(req.Create(rec), 4, out);
}

size_t BuildSave(PlayerRequests& req, const DBFullUserData& r, std::vector<char>& out)
{
    return Frame(req.Save(r), 4, out);
}

size_t BuildLoad(PlayerRequests& req, std::vector<char>& out)
{
    return Frame(req.Load("p0"), 6, out);
}

// Nanoseconds of one memcpy of n bytes, measured now.
double MemcpyNs(size_t n)
{
    std::vector<char> src(n, 'x'), dst(n);
    const int reps = int(2000000 / (n + 64)) + 100;
    auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < reps; ++i) {
        memcpy(dst.data(), src.data(), n);
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    auto t1 = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::nano>(t1 - t0).count() / reps;
}

// The counters of a row: frame size, one memcpy of it, and the request's cost in memcpys.
void Report(benchmark::State& state, size_t n, std::chrono::steady_clock::duration elapsed)
{
    const double perRequest = std::chrono::duration<double, std::nano>(elapsed).count() / double(state.iterations());
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(n));
    state.counters["frame_bytes"] = double(n);
    state.counters["memcpy_ns"] = MemcpyNs(n);
    state.counters["x_memcpy"] = perRequest / state.counters["memcpy_ns"];
}

template <typename F>
void Run(benchmark::State& state, F build)
{
    std::vector<char> out;
    size_t n = 0;
    auto t0 = std::chrono::steady_clock::now();
    for (auto _ : state) {
        n = build(out);
        benchmark::DoNotOptimize(out.data());
    }
    Report(state, n, std::chrono::steady_clock::now() - t0);
}

void BM_CreateChar(benchmark::State& state)
{
    PlayerRequests req;
    Run(state, [&](std::vector<char>& out) { return BuildCreate(req, out); });
}

void BM_UserSave(benchmark::State& state)
{
    PlayerRequests req;
    std::unique_ptr<DBFullUserData> rec = MakeRecord();
    Run(state, [&](std::vector<char>& out) { return BuildSave(req, *rec, out); });
}

void BM_UserLoad(benchmark::State& state)
{
    PlayerRequests req;
    Run(state, [&](std::vector<char>& out) { return BuildLoad(req, out); });
}

// A loopback listener whose one connection is read and dropped by its own thread.
class Sink {
public:
    Sink()
    {
        m_listen = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in sa{};
        sa.sin_family = AF_INET;
        sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof(sa);
        if (bind(m_listen, reinterpret_cast<sockaddr*>(&sa), len) != 0 || listen(m_listen, 1) != 0 ||
            getsockname(m_listen, reinterpret_cast<sockaddr*>(&sa), &len) != 0) {
            perror("sink");
            exit(1);
        }
        m_port = ntohs(sa.sin_port);
        m_thread = std::thread([this] {
            int fd = accept(m_listen, nullptr, nullptr);
            std::vector<char> buf(1 << 20);
            while (fd >= 0 && recv(fd, buf.data(), buf.size(), 0) > 0) {
            }
            if (fd >= 0) {
                close(fd);
            }
        });
    }
    ~Sink()
    {
        shutdown(m_listen, SHUT_RDWR);
        close(m_listen);
        m_thread.join();
    }
    uint16_t Port() const { return m_port; }

private:
    int m_listen = -1;
    uint16_t m_port = 0;
    std::thread m_thread;
};

// The frame through the client to the socket: queued, then written out by ticks.
template <typename F>
void RunToSocket(benchmark::State& state, F build)
{
    Sink sink;
    std::unique_ptr<TcpClient> client(new TcpClient());
    if (!client->Connect("127.0.0.1", static_cast<tint16>(sink.Port()))) {
        state.SkipWithError("connect");
        return;
    }
    const tuint32 empty = client->OutputRoom();
    size_t n = 0;
    auto t0 = std::chrono::steady_clock::now();
    for (auto _ : state) {
        google::protobuf::Message& msg = build();
        n = msg.ByteSizeLong() + 6;
        client->Send(4, msg);
        while (client->OutputRoom() != empty && client->IsConnected()) {
            client->Tick();
        }
    }
    Report(state, n, std::chrono::steady_clock::now() - t0);
    client.reset();
}

void BM_CreateCharToSocket(benchmark::State& state)
{
    PlayerRequests req;
    RunToSocket(state, [&]() -> google::protobuf::Message& {
        DBFullUserData& rec = req.NewCharRecord();
        rec.InitAsCreateNewChar(kChar + 1, "p01700000000", "p01700000000", 0, 0, 1000, 1000);
        return req.Create(rec);
    });
}

void BM_UserSaveToSocket(benchmark::State& state)
{
    PlayerRequests req;
    std::unique_ptr<DBFullUserData> rec = MakeRecord();
    RunToSocket(state, [&]() -> google::protobuf::Message& { return req.Save(*rec); });
}

void BM_UserLoadToSocket(benchmark::State& state)
{
    PlayerRequests req;
    RunToSocket(state, [&]() -> google::protobuf::Message& { return req.Load("p0"); });
}

} // namespace

BENCHMARK(BM_CreateChar);
BENCHMARK(BM_UserSave);
BENCHMARK(BM_UserLoad);
BENCHMARK(BM_CreateCharToSocket);
BENCHMARK(BM_UserSaveToSocket);
BENCHMARK(BM_UserLoadToSocket);
BENCHMARK_MAIN();
