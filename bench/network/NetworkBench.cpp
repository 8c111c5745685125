// Framing path: INetUnit::send into the output ring (in place, and when the free room
// wraps), against the build-apart-then-copy writer; and frame cutting on input.

#include "NetworkBenchMsg.pb.h"
#include "net_io.h"
#include "net_session.h"
#include "net_stream_io.h"
#include "net_unit.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// One unit with one session on a socketpair; the reactor is never ticked, so what is
// queued stays in the buffers for the benchmark to reset.
class BenchUnit : public NSNet::INetIoAgent, public NSNet::INetUnit {
public:
    BenchUnit() : NSNet::INetIoAgent(), NSNet::INetUnit(NSNet::INetIoAgent::m_pINetIo), m_sid(0), m_other(-1) {
        int fd[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM, 0, fd) != 0) {
            std::abort();
        }
        m_other = fd[1];
        NSNet::CProtocolSession prototype(this);
        NSNet::CStreamIo* io = new NSNet::CStreamIo(fd[0], prototype.clone());
        if (NSNet::INetIoAgent::m_pINetIo->registerEvent(io, true, true) == nullptr) {
            std::abort();
        }
        m_sid = io->getSession()->getSessionId();
    }
    ~BenchUnit() { ::close(m_other); }

    using NSNet::INetUnit::process;
    int onAddSession(NSNet::SessionId) override { return 0; }
    int onDeleteSession(NSNet::SessionId) override { return 0; }
    std::string identification() const override { return "BenchUnit"; }
    tuint32 process(NSNet::SessionId, const NSNet::BuffType* frame, tuint32, tuint32 size) override {
        benchmark::DoNotOptimize(frame);
        m_bytes += size;
        return 0;
    }

    NSNet::INetSession& Session() { return *getSession(m_sid); }

    NSNet::SessionId m_sid;
    int m_other;
    size_t m_bytes = 0;
};

netbench::BenchSave MakeSave(size_t imageSize) {
    netbench::BenchSave save;
    save.set_savetype(2);
    save.set_guid(0x0001020300000042LL);
    save.set_image(std::string(imageSize, '\x5a'));
    return save;
}

void BM_SendInPlace(benchmark::State& state) {
    BenchUnit unit;
    const netbench::BenchSave save = MakeSave(static_cast<size_t>(state.range(0)));
    NSNet::CNetBuffer& out = unit.Session().getOutputBuffer();
    for (auto _ : state) {
        out.clear();
        if (unit.send(unit.m_sid, save, 7) != 0) {
            state.SkipWithError("send failed");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(out.size()));
}

void BM_SendWrapped(benchmark::State& state) {
    BenchUnit unit;
    const netbench::BenchSave save = MakeSave(static_cast<size_t>(state.range(0)));
    NSNet::CNetBuffer& out = unit.Session().getOutputBuffer();
    // Grow the block once so that every frame fits, then start each send 3 bytes
    // before its end, behind one byte still queued (an empty buffer starts at 0).
    out.reserve(static_cast<tuint32>(save.ByteSizeLong() + 64));
    const tuint32 nearEnd = out.capacity() - 3;
    for (auto _ : state) {
        out.clear();
        out.commit(nearEnd);
        out.skip(nearEnd - 1);
        if (unit.send(unit.m_sid, save, 7) != 0) {
            state.SkipWithError("send failed");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(out.size()));
}

// The robot's pattern: each frame is queued, then sent whole before the next one (the
// head is left wherever the last send ended).
void BM_SendDrained(benchmark::State& state) {
    BenchUnit unit;
    const netbench::BenchSave save = MakeSave(static_cast<size_t>(state.range(0)));
    NSNet::CNetBuffer& out = unit.Session().getOutputBuffer();
    size_t bytes = 0;
    for (auto _ : state) {
        if (unit.send(unit.m_sid, save, 7) != 0) {
            state.SkipWithError("send failed");
            break;
        }
        bytes += out.size();
        out.skip(out.size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}

// The writer built apart: allocate, serialise, copy into the ring, free.
void BM_SendBuiltApart(benchmark::State& state) {
    BenchUnit unit;
    const netbench::BenchSave save = MakeSave(static_cast<size_t>(state.range(0)));
    NSNet::INetSession& session = unit.Session();
    NSNet::CNetBuffer& out = session.getOutputBuffer();
    for (auto _ : state) {
        out.clear();
        const size_t size = save.ByteSizeLong();
        NSNet::BuffType* frame = static_cast<NSNet::BuffType*>(std::calloc(size + 6, 1));
        const tuint32 total = static_cast<tuint32>(size + 6);
        frame[0] = static_cast<NSNet::BuffType>(total >> 24);
        frame[1] = static_cast<NSNet::BuffType>(total >> 16);
        frame[2] = static_cast<NSNet::BuffType>(total >> 8);
        frame[3] = static_cast<NSNet::BuffType>(total);
        frame[4] = 0;
        frame[5] = 7;
        save.SerializePartialToArray(frame + 6, static_cast<int>(size));
        session.send(frame, total);
        std::free(frame);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(out.size()));
}

// Frames of the given body size cut from the input buffer, as many as fit in 60000 bytes.
void BM_FrameCut(benchmark::State& state) {
    BenchUnit unit;
    const size_t body = static_cast<size_t>(state.range(0));
    std::string chunk;
    while (chunk.size() + body + 6 <= 60000) {
        const tuint32 total = static_cast<tuint32>(body + 6);
        chunk.push_back(static_cast<char>(total >> 24));
        chunk.push_back(static_cast<char>(total >> 16));
        chunk.push_back(static_cast<char>(total >> 8));
        chunk.push_back(static_cast<char>(total));
        chunk.push_back(0);
        chunk.push_back(2);
        chunk.append(body, '\x33');
    }
    NSNet::INetSession& session = unit.Session();
    NSNet::CNetBuffer& in = session.getInputBuffer();
    for (auto _ : state) {
        in.push(reinterpret_cast<const NSNet::BuffType*>(chunk.data()), static_cast<int>(chunk.size()));
        session.onRecv();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(chunk.size()));
}

} // namespace

BENCHMARK(BM_SendInPlace)->Arg(64)->Arg(1024)->Arg(16384)->Arg(60000);
BENCHMARK(BM_SendWrapped)->Arg(64)->Arg(1024)->Arg(16384)->Arg(60000);
BENCHMARK(BM_SendDrained)->Arg(64)->Arg(1024)->Arg(16384)->Arg(60000);
BENCHMARK(BM_SendBuiltApart)->Arg(64)->Arg(1024)->Arg(16384)->Arg(60000);
BENCHMARK(BM_FrameCut)->Arg(64)->Arg(1024)->Arg(16384);

BENCHMARK_MAIN();
