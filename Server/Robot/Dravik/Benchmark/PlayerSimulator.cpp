#include "PlayerSimulator.h"

#include "AD_PBMessage.pb.h"
#include "AD_PacketDefine.h"
#include "Assertx.h"
#include "Benchmark.h"
#include "BenchmarkConfig.h"
#include "Guid64.h"
#include "RandomUtil.h"

#include <cstring>
#include <ctime>
#include <memory>

namespace {

const tchar* const s_szSourceFile = "Server/Robot/Dravik/Benchmark/PlayerSimulator";
// A creation carries only the head of a new scrap card: its charGuid and the start of
// its first (empty) text buffer.
const size_t CREATE_SCRAPCARD_BYTES = 60;
const tint32 SHOP_FIRST_TID = 41002;
const tint32 SHOP_NUM = 10;
const tint16 SHOP_DISCOUNT = 8;
const tint32 MAIL_COUNT = 30;

template <typename T>
void ZeroBytes(T& rPart)
{
    memset(static_cast<void*>(&rPart), 0, sizeof(T));
}

// The four character images of a record and the head of a new scrap card for it.
void FillCreateData(AD_USER_DATA& rData, const DBFullUserData& rRecord)
{
    rData.set_ubdata(&rRecord.m_User, sizeof(rRecord.m_User));
    rData.set_ubdataex1(&rRecord.m_UserDataEx1, sizeof(rRecord.m_UserDataEx1));
    rData.set_ubdataex2(&rRecord.m_UserDataEx2, sizeof(rRecord.m_UserDataEx2));
    rData.set_ubdataex3(&rRecord.m_UserDataEx3RealTime, sizeof(rRecord.m_UserDataEx3RealTime));
    DBPlayerScrapCard card;
    card.charGuid = rRecord.GetGuid();
    rData.set_scrapcard(&card, CREATE_SCRAPCARD_BYTES);
}

} // namespace

static_assert(sizeof(DBPlayerScrapCard) >= CREATE_SCRAPCARD_BYTES, "a creation sends the card's first 60 bytes");

PlayerSimulator::PlayerSimulator() : m_Benchmark(nullptr)
{
    ZeroRecord();
    for (tint32 i = 0; i < BT_MAX; ++i) {
        m_SimTypeTime[i] = 0;
    }
}

PlayerSimulator::~PlayerSimulator() {}

void PlayerSimulator::ZeroRecord()
{
    ZeroBytes(m_data.m_User);
    ZeroBytes(m_data.m_UserDataEx1);
    ZeroBytes(m_data.m_UserDataEx2);
    ZeroBytes(m_data.m_UserDataEx3RealTime);
    ZeroBytes(m_data.m_ItemPack);
    ZeroBytes(m_data.m_CurrencyPack);
    m_data.m_emailPack.m_emailData.Clear();
    ZeroBytes(m_data.m_shopPack);
    ZeroBytes(m_data.m_matchData);
    ZeroBytes(m_data.m_scrapCard);
}

void PlayerSimulator::Init(Benchmark* pBenchmark, const std::string& accName)
{
    if (nullptr == pBenchmark) {
        _do_assert_(s_szSourceFile, __LINE__, "void PlayerSimulator::Init(Benchmark*, const string&)",
                    "nullptr != pBenchmark", "", true);
    }
    m_Benchmark = pBenchmark;
    m_accName = accName;
    ZeroRecord();
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

    SimCreateChar(guid, m_accName);

    const BenchmarkConfig& cfg = BenchmarkConfig::getInstance();
    for (tint32 t = BT_START; t < BT_MAX; ++t) {
        const tint32 interval = cfg.GetInterval(t);
        if (interval != -1) {
            m_SimTypeTime[t] = MilliSeconds() + static_cast<tuint64>(Random::Gen(1, interval));
        }
    }
}

void PlayerSimulator::Tick()
{
    SimCreateChar(invalid_guid64, std::string());
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
    return static_cast<tuint64>(static_cast<tint64>(clock()) * 1000 / 1000000);
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
    const tint64 now = static_cast<tint64>(MilliSeconds());
    return now >= static_cast<tint64>(m_SimTypeTime[benchmarkType]) + interval;
}

void PlayerSimulator::SimCreateChar(tuint64 guid, std::string)
{
    AD_USERSAVE msg;
    msg.set_savetype(AD_USERSAVE::ST_CREATE);
    if (guid != invalid_guid64) {
        FillCreateData(*msg.mutable_userdata(), m_data);
        m_Benchmark->Send(ADPackets::PACKET_AD_USERSAVE_PAK, msg);
        return;
    }
    if (!CheckInterval(BT_CREATECHAR)) {
        return;
    }
    // A new, separate character each time; the player's own record does not change.
    std::unique_ptr<DBFullUserData> pRecord(new DBFullUserData());
    const std::string name = m_accName + std::to_string(static_cast<long long>(time(nullptr)));
    pRecord->InitAsCreateNewChar(m_Benchmark->GenCharGuid(), name.c_str(), name.c_str(), 0, 0, 1000, 1000);
    FillCreateData(*msg.mutable_userdata(), *pRecord);
    m_Benchmark->Send(ADPackets::PACKET_AD_USERSAVE_PAK, msg);
    m_SimTypeTime[BT_CREATECHAR] = MilliSeconds();
}

void PlayerSimulator::SimUserSave()
{
    if (!CheckInterval(BT_USERSAVE)) {
        return;
    }
    AD_USERSAVE msg;
    msg.set_savetype(AD_USERSAVE::ST_SAVE);
    AD_USER_DATA& data = *msg.mutable_userdata();
    data.set_ubdata(&m_data.m_User, sizeof(m_data.m_User));
    data.set_ubdataex1(&m_data.m_UserDataEx1, sizeof(m_data.m_UserDataEx1));
    data.set_ubdataex2(&m_data.m_UserDataEx2, sizeof(m_data.m_UserDataEx2));
    data.set_ubdataex3(&m_data.m_UserDataEx3RealTime, sizeof(m_data.m_UserDataEx3RealTime));
    const DBItemPack& items = m_data.m_ItemPack;
    for (tint32 i = 0; i < items.GetValidCount(); ++i) {
        data.add_itemdata(&items.m_data[i], sizeof(items.m_data[i]));
    }
    const DBCurrencyPack& currencies = m_data.m_CurrencyPack;
    for (tint32 i = 0; i < currencies.GetValidCount(); ++i) {
        data.add_currencydata(&currencies.m_data[i], sizeof(currencies.m_data[i]));
    }
    for (const AD_EMAILINFO& mail : m_data.m_emailPack.m_emailData) {
        data.add_emialdata()->CopyFrom(mail);
    }
    const DBShopPack& shop = m_data.m_shopPack;
    for (tint32 i = 0; i < shop.GetValidCount(); ++i) {
        data.add_shopdata(&shop.m_data[i], sizeof(shop.m_data[i]));
    }
    data.set_matchdata(&m_data.m_matchData, sizeof(m_data.m_matchData));
    data.set_scrapcard(&m_data.m_scrapCard, sizeof(m_data.m_scrapCard));
    m_Benchmark->Send(ADPackets::PACKET_AD_USERSAVE_PAK, msg);
    m_SimTypeTime[BT_USERSAVE] = MilliSeconds();
}

void PlayerSimulator::SimUserLoad()
{
    if (!CheckInterval(BT_USERLOAD)) {
        return;
    }
    AD_USERLOAD msg;
    msg.set_usertype(AD_USERLOAD::UT_LOGIN_ACC_LOAD);
    msg.set_account(m_accName);
    m_Benchmark->Send(ADPackets::PACKET_AD_USERLOAD_PAK, msg);
    m_SimTypeTime[BT_USERLOAD] = MilliSeconds();
}
