// One request of each kind built as the player simulator builds it (from a record filled
// as PlayerSimulator::Init fills it), serialised and framed behind the 6-byte header as the
// network library's send does (ByteSize, header, SerializeToArray), against one memcpy of
// the same number of bytes measured in the same run. Counter "x_memcpy": how many memcpys
// of the frame's size one request costs.

#include "AD_PBMessage.pb.h"
#include "DBStruct_User.h"
#include "Guid64.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
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
    out.resize(body + 6);
    const uint32_t total = uint32_t(body + 6);
    out[0] = char(total >> 24);
    out[1] = char(total >> 16);
    out[2] = char(total >> 8);
    out[3] = char(total);
    out[4] = char(pid >> 8);
    out[5] = char(pid);
    msg.SerializeToArray(out.data() + 6, int(body));
    return out.size();
}

void FillCreate(AD_USER_DATA& d, const DBFullUserData& r)
{
    d.set_ubdata(&r.m_User, sizeof(r.m_User));
    d.set_ubdataex1(&r.m_UserDataEx1, sizeof(r.m_UserDataEx1));
    d.set_ubdataex2(&r.m_UserDataEx2, sizeof(r.m_UserDataEx2));
    d.set_ubdataex3(&r.m_UserDataEx3RealTime, sizeof(r.m_UserDataEx3RealTime));
    DBPlayerScrapCard card;
    card.charGuid = r.GetGuid();
    d.set_scrapcard(&card, 60);
}

size_t BuildCreate(std::vector<char>& out)
{
    std::unique_ptr<DBFullUserData> rec(new DBFullUserData());
    rec->InitAsCreateNewChar(kChar + 1, "p01700000000", "p01700000000", 0, 0, 1000, 1000);
    AD_USERSAVE msg;
    msg.set_savetype(AD_USERSAVE::ST_CREATE);
    FillCreate(*msg.mutable_userdata(), *rec);
    return Frame(msg, 4, out);
}

size_t BuildSave(const DBFullUserData& r, std::vector<char>& out)
{
    AD_USERSAVE msg;
    msg.set_savetype(AD_USERSAVE::ST_SAVE);
    AD_USER_DATA& d = *msg.mutable_userdata();
    d.set_ubdata(&r.m_User, sizeof(r.m_User));
    d.set_ubdataex1(&r.m_UserDataEx1, sizeof(r.m_UserDataEx1));
    d.set_ubdataex2(&r.m_UserDataEx2, sizeof(r.m_UserDataEx2));
    d.set_ubdataex3(&r.m_UserDataEx3RealTime, sizeof(r.m_UserDataEx3RealTime));
    for (int i = 0; i < r.m_ItemPack.GetValidCount(); ++i) {
        d.add_itemdata(&r.m_ItemPack.m_data[i], sizeof(r.m_ItemPack.m_data[i]));
    }
    for (int i = 0; i < r.m_CurrencyPack.GetValidCount(); ++i) {
        d.add_currencydata(&r.m_CurrencyPack.m_data[i], sizeof(r.m_CurrencyPack.m_data[i]));
    }
    for (const AD_EMAILINFO& m : r.m_emailPack.m_emailData) {
        d.add_emialdata()->CopyFrom(m);
    }
    for (int i = 0; i < r.m_shopPack.GetValidCount(); ++i) {
        d.add_shopdata(&r.m_shopPack.m_data[i], sizeof(r.m_shopPack.m_data[i]));
    }
    d.set_matchdata(&r.m_matchData, sizeof(r.m_matchData));
    d.set_scrapcard(&r.m_scrapCard, sizeof(r.m_scrapCard));
    return Frame(msg, 4, out);
}

size_t BuildLoad(std::vector<char>& out)
{
    AD_USERLOAD msg;
    msg.set_usertype(AD_USERLOAD::UT_LOGIN_ACC_LOAD);
    msg.set_account("p0");
    return Frame(msg, 6, out);
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
    auto t1 = std::chrono::steady_clock::now();
    const double perRequest = std::chrono::duration<double, std::nano>(t1 - t0).count() / double(state.iterations());
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(n));
    state.counters["frame_bytes"] = double(n);
    state.counters["memcpy_ns"] = MemcpyNs(n);
    state.counters["x_memcpy"] = perRequest / state.counters["memcpy_ns"];
}

void BM_CreateChar(benchmark::State& state)
{
    Run(state, [](std::vector<char>& out) { return BuildCreate(out); });
}

void BM_UserSave(benchmark::State& state)
{
    std::unique_ptr<DBFullUserData> rec = MakeRecord();
    Run(state, [&](std::vector<char>& out) { return BuildSave(*rec, out); });
}

void BM_UserLoad(benchmark::State& state)
{
    Run(state, [](std::vector<char>& out) { return BuildLoad(out); });
}

} // namespace

BENCHMARK(BM_CreateChar);
BENCHMARK(BM_UserSave);
BENCHMARK(BM_UserLoad);
BENCHMARK_MAIN();
