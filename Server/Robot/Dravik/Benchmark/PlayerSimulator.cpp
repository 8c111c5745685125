#include "PlayerSimulator.h"

#include "AD_PBMessage.pb.h"
#include "AD_PacketDefine.h"
#include "Assertx.h"
#include "Benchmark.h"
#include "BenchmarkConfig.h"
#include "CpuClock.h"
#include "Guid64.h"
#include "PlayerRequests.h"
#include "RandomUtil.h"

#include <ctime>

namespace {

const tchar* const s_szSourceFile = "Server/Robot/Dravik/Benchmark/PlayerSimulator";
const tint32 SHOP_FIRST_TID = 41002;
const tint32 SHOP_NUM = 10;
const tint16 SHOP_DISCOUNT = 8;
const tint32 MAIL_COUNT = 30;

} // namespace

PlayerSimulator::PlayerSimulator()
    : m_Benchmark(nullptr), m_nLastReading(0), m_bCreationPending(false), m_nSaveImageBytes(0)
{
    ZeroRecordBytes(m_data);
    for (tint32 i = 0; i < BT_MAX; ++i) {
        m_SimTypeTime[i] = 0;
    }
}

PlayerSimulator::~PlayerSimulator() {}

void PlayerSimulator::Init(Benchmark* pBenchmark, const std::string& accName)
{
    if (nullptr == pBenchmark) {
        _do_assert_(s_szSourceFile, __LINE__, "void PlayerSimulator::Init(Benchmark*, const string&)",
                    "nullptr != pBenchmark", "", true);
    }
    m_Benchmark = pBenchmark;
    m_accName = accName;
    ZeroRecordBytes(m_data);
    for (tint32 i = 0; i < BT_MAX; ++i) {
        m_SimTypeTime[i] = 0;
    }

    const std::string name = accName + std::to_string(static_cast<long long>(time(nullptr)));
    const tuint64 guid = m_Benchmark->GenCharGuid();
    m_data.InitAsCreateNewChar(guid, name.c_str(), name.c_str(), 0, 0, 1000, 0);

    InitItemData();
    InitEmailData();
    InitShopData();
    m_data.m_scrapCard.charGuid = m_data.GetGuid();
    m_nSaveImageBytes = PlayerRequests::SaveImageBytes(m_data);

    // Sent by the client right after, in player order, as the output buffer takes it.
    m_bCreationPending = true;

    const BenchmarkConfig& cfg = BenchmarkConfig::getInstance();
    for (tint32 t = BT_START; t < BT_MAX; ++t) {
        const tint32 interval = cfg.GetInterval(t);
        if (interval != -1) {
            m_SimTypeTime[t] = MilliSeconds() + static_cast<tuint64>(Random::Gen(1, interval));
        }
    }
}

bool PlayerSimulator::SendCreation()
{
    if (!m_bCreationPending) {
        return true;
    }
    if (m_Benchmark->OutputRoom() < PlayerRequests::CreateImageBytes()) {
        return false;
    }
    if (m_Benchmark->TrySend(ADPackets::PACKET_AD_USERSAVE_PAK, m_Benchmark->Requests().Create(m_data)) != 0) {
        return false;
    }
    m_bCreationPending = false;
    return true;
}

void PlayerSimulator::Tick()
{
    // The agent must know the character before it is saved or loaded.
    if (m_bCreationPending) {
        return;
    }
    SimCreateChar();
    SimUserLoad();
    SimUserSave();
}

void PlayerSimulator::InitItemData()
{
    DBItemPack& pack = m_data.m_ItemPack;
    pack.CleanUp();
    const tuint64 charGuid = static_cast<tuint64>(m_data.GetGuid());
    for (tint32 i = 0; i < DBItemPack::ITEM_TOTAL_COUNT; ++i) {
        pack.m_data[i].m_guid = m_Benchmark->GenItemGuid();
        pack.m_data[i].m_charGuid = charGuid;
    }
    pack.m_count = DBItemPack::ITEM_TOTAL_COUNT;
}

void PlayerSimulator::InitEmailData()
{
    m_data.m_emailPack.CleanUp();
    const tint64 charGuid = m_data.GetGuid();
    for (tint32 i = 0; i < MAIL_COUNT; ++i) {
        AD_EMAILINFO* pMail = m_data.m_emailPack.m_emailData.Add();
        pMail->set_guid(m_Benchmark->GenEmailGuid());
        pMail->set_type(0);
        pMail->set_state(0);
        pMail->set_createtime(static_cast<tint64>(time(nullptr)));
        pMail->set_globalguid(0);
        pMail->set_sender("system");
        pMail->set_receiver(m_accName);
        pMail->set_title("test");
        pMail->set_content("content");
        pMail->set_senderguid(static_cast<tint64>(invalid_guid64));
        pMail->set_receiverguid(charGuid);
    }
}

void PlayerSimulator::InitShopData()
{
    DBShopPack& pack = m_data.m_shopPack;
    pack.CleanUp();
    const tuint64 charGuid = static_cast<tuint64>(m_data.GetGuid());
    for (tint32 i = 0; i < DBShopPack::ITEM_TOTAL_COUNT; ++i) {
        pack.m_data[i].m_charGuid = charGuid;
        pack.m_data[i].m_tId = SHOP_FIRST_TID + i;
        pack.m_data[i].m_num = SHOP_NUM;
        pack.m_data[i].m_discount = SHOP_DISCOUNT;
    }
    pack.m_count = DBShopPack::ITEM_TOTAL_COUNT;
}

tuint64 PlayerSimulator::MilliSeconds() const
{
    // clock() * 1000 / 1000000, without the system call where its millisecond is known.
    m_nLastReading = CpuClock::MilliSeconds();
    return m_nLastReading;
}

bool PlayerSimulator::CheckInterval(tint32 benchmarkType) const
{
    if (benchmarkType < BT_START || benchmarkType >= BT_MAX) {
        return false;
    }
    const tint32 interval = BenchmarkConfig::getInstance().GetInterval(benchmarkType);
    if (interval == -1) {
        return false;
    }
    // Due once the clock has reached the last stamp plus the interval. Signed 64-bit
    // arithmetic: the clock starting below the interval must not wrap into "always due".
    const tint64 due = static_cast<tint64>(m_SimTypeTime[benchmarkType]) + interval;
    // The processor-time clock never goes back, so once an earlier reading has reached
    // the mark a new one would too: the answer is the same without the system call
    // (about a microsecond, three times per player and pass).
    if (static_cast<tint64>(m_nLastReading) >= due) {
        return true;
    }
    return static_cast<tint64>(MilliSeconds()) >= due;
}

// The messages come from the client's PlayerRequests, which overwrites them in place:
// every request is still built, serialised and framed anew, without new allocations.
// A request that the output buffer would refuse (it is at its bound) is not built; it is
// dropped like any refused send (the client reports the first drop of a connection), and
// its stamp advances all the same.

void PlayerSimulator::SimCreateChar()
{
    PlayerRequests& requests = m_Benchmark->Requests();
    if (!CheckInterval(BT_CREATECHAR)) {
        return;
    }
    // A new, separate character each time; the player's own record does not change.
    // Its GUID is drawn even when the request is not built, as a refused send draws it.
    const tuint64 newGuid = m_Benchmark->GenCharGuid();
    if (m_Benchmark->OutputRoom() >= PlayerRequests::CreateImageBytes()) {
        const std::string name = m_accName + std::to_string(static_cast<long long>(time(nullptr)));
        DBFullUserData& record = requests.NewCharRecord();
        record.InitAsCreateNewChar(newGuid, name.c_str(), name.c_str(), 0, 0, 1000, 1000);
        m_Benchmark->Send(ADPackets::PACKET_AD_USERSAVE_PAK, requests.Create(record));
    } else {
        m_Benchmark->ReportDropped();
    }
    m_SimTypeTime[BT_CREATECHAR] = MilliSeconds();
}

void PlayerSimulator::SimUserSave()
{
    if (!CheckInterval(BT_USERSAVE)) {
        return;
    }
    if (m_Benchmark->OutputRoom() >= m_nSaveImageBytes) {
        m_Benchmark->Send(ADPackets::PACKET_AD_USERSAVE_PAK, m_Benchmark->Requests().Save(m_data));
    } else {
        m_Benchmark->ReportDropped();
    }
    m_SimTypeTime[BT_USERSAVE] = MilliSeconds();
}

void PlayerSimulator::SimUserLoad()
{
    if (!CheckInterval(BT_USERLOAD)) {
        return;
    }
    m_Benchmark->Send(ADPackets::PACKET_AD_USERLOAD_PAK, m_Benchmark->Requests().Load(m_accName));
    m_SimTypeTime[BT_USERLOAD] = MilliSeconds();
}
