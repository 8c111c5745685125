// Sizes, key offsets and column tables of the record images.
#include <cstddef>
#include <sstream>

#include "DBStruct_DBTarget.h"
#include "DBStruct_Email.h"
#include "DBStruct_GlobalData.h"
#include "DBStruct_Guid.h"
#include "DBStruct_Item.h"
#include "DBStruct_Match.h"
#include "DBStruct_MatchScore.h"
#include "DBStruct_MonsterRecord.h"
#include "DBStruct_Recharge.h"
#include "DBStruct_ScrapCard.h"
#include "DBStruct_Shop.h"
#include "DBStruct_SysData.h"
#include "DBStruct_User.h"
#include "DBTestUtil.h"

static_assert(sizeof(DBBaseUserData) == 3287, "");
static_assert(sizeof(DBUserDataEX1) == 3446, "");
static_assert(sizeof(DBUserDataEX2) == 1864, "");
static_assert(sizeof(DBUserDataEX3RealTime) == 1544, "");
static_assert(sizeof(DBItemData) == 176, "");
static_assert(sizeof(DBItemPack) == 40132, "");
static_assert(sizeof(DBCurrencyData) == 16, "");
static_assert(sizeof(DBCurrencyPack) == 164, "");
static_assert(sizeof(DBShopData) == 18, "");
static_assert(sizeof(DBShopPack) == 4612, "");
static_assert(sizeof(DBMatchData) == 332, "");
static_assert(sizeof(DBMatchScore) == 240, "");
static_assert(sizeof(DBPlayerScrapCard) == 12296, "");
static_assert(sizeof(DBScrapCard) == 131200, "");
static_assert(sizeof(DBEmailData) == 1562, "");
static_assert(sizeof(DBGuidData) == 13, "");
static_assert(sizeof(DBSysData) == 12, "");
static_assert(sizeof(DBTarget) == 92, "");
static_assert(sizeof(DBRechargeData) == 308, "");
static_assert(sizeof(DBMonsterRd) == 2050, "");
static_assert(sizeof(DBMstRecords) == 26650, "");
static_assert(sizeof(DBGlobalDataPak) == 196640, "");
// With protobuf 3.21's 24-byte repeated container behind 8-byte alignment.
static_assert(sizeof(DBFullUserData) == 67704, "");

namespace
{
struct OffsetRow
{
    const char* what;
    size_t      actual;
    size_t      expected;
};

TEST(RecordLayout, KeyOffsets)
{
    const OffsetRow rows[] = {
        {"base m_Guid", offsetof(DBBaseUserData, m_Guid), 80},
        {"base m_CharName", offsetof(DBBaseUserData, m_CharName), 88},
        {"base m_Level", offsetof(DBBaseUserData, m_Level), 168},
        {"base m_Sex", offsetof(DBBaseUserData, m_Sex), 174},
        {"base m_activitytask", offsetof(DBBaseUserData, m_activitytask), 175},
        {"base m_CreateRoleTime", offsetof(DBBaseUserData, m_CreateRoleTime), 1199},
        {"base m_LastLogoutTime", offsetof(DBBaseUserData, m_LastLogoutTime), 1207},
        {"base m_equipmentId", offsetof(DBBaseUserData, m_equipmentId), 1223},
        {"base m_HP", offsetof(DBBaseUserData, m_HP), 1227},
        {"base m_MP", offsetof(DBBaseUserData, m_MP), 1231},
        {"base m_ClientCfg", offsetof(DBBaseUserData, m_ClientCfg), 1235},
        {"base m_CRC", offsetof(DBBaseUserData, m_CRC), 3283},
        {"ex1 m_IsValid", offsetof(DBUserDataEX1, m_IsValid), 144},
        {"ex1 m_taskList", offsetof(DBUserDataEX1, m_taskList), 189},
        {"ex1 m_LuckyWheelCount", offsetof(DBUserDataEX1, m_LuckyWheelCount), 3301},
        {"ex1 m_starLvlUp", offsetof(DBUserDataEX1, m_starLvlUp), 3309},
        {"ex1 m_clientSets", offsetof(DBUserDataEX1, m_clientSets), 3318},
        {"ex2 m_CommonFlag", offsetof(DBUserDataEX2, m_CommonFlag), 520},
        {"ex2 m_DailyTaskData", offsetof(DBUserDataEX2, m_DailyTaskData), 1704},
        {"ex3 m_WordData", offsetof(DBUserDataEX3RealTime, m_WordData), 520},
        {"item m_lifeTime", offsetof(DBItemData, m_lifeTime), 40},
        {"item m_detail", offsetof(DBItemData, m_detail), 48},
        {"item pack m_count", offsetof(DBItemPack, m_count), 40128},
        {"currency pack m_count", offsetof(DBCurrencyPack, m_count), 160},
        {"shop m_discount", offsetof(DBShopData, m_discount), 16},
        {"shop pack m_count", offsetof(DBShopPack, m_count), 4608},
        {"match m_detail", offsetof(DBMatchData, m_detail), 12},
        {"match m_matchCount", offsetof(DBMatchData, m_matchCount), 76},
        {"match score m_score", offsetof(DBMatchScore, m_score), 176},
        {"scrap card szAwardLog", offsetof(DBPlayerScrapCard, szAwardLog), 1032},
        {"scrap card szOtherPeriodData", offsetof(DBPlayerScrapCard, szOtherPeriodData), 2056},
        {"mail m_sender", offsetof(DBEmailData, m_sender), 48},
        {"mail m_title", offsetof(DBEmailData, m_title), 208},
        {"mail m_content", offsetof(DBEmailData, m_content), 249},
        {"mail m_awardinfo", offsetof(DBEmailData, m_awardinfo), 1050},
        {"guid m_Serial", offsetof(DBGuidData, m_Serial), 9},
        {"sysdata m_taskBeginTime", offsetof(DBSysData, m_taskBeginTime), 4},
        {"target m_dbId", offsetof(DBTarget, m_dbId), 88},
        {"recharge CreateTime", offsetof(DBRechargeData, CreateTime), 292},
        {"recharge GoodsId", offsetof(DBRechargeData, GoodsId), 304},
        {"global szData", offsetof(DBGlobalDataPak, szData), 32},
        {"full m_ItemPack", offsetof(DBFullUserData, m_ItemPack), 10141},
        {"full m_emailPack", offsetof(DBFullUserData, m_emailPack), 50440},
        {"full m_scrapCard", offsetof(DBFullUserData, m_scrapCard), 55408},
    };
    for (const OffsetRow& r : rows)
    {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(r.actual, r.expected);
    }
}

// "name:type:size[:u]" per column, joined by spaces; the closing entry is checked apart.
std::string DescribeColumns(const dbCol* cols)
{
    std::ostringstream os;
    const dbCol* c = cols;
    for (; c->name != nullptr; ++c)
    {
        if (c != cols)
            os << ' ';
        os << c->name << ':' << c->type << ':' << c->size << (c->unique ? ":u" : "");
    }
    if (c->type != 0 || c->size != 0 || c->unique)
        os << " BAD-END";
    return os.str();
}

struct TableRow
{
    const char*  tableName;
    const char*  expectedName;
    const dbCol* cols;
    const char*  expectedCols;
};

TEST(RecordLayout, TableDescriptions)
{
    const TableRow rows[] = {
        {DBTargetInfo::TBName, "t_db_target", DBTargetInfo::DBTargetCol, "guid:4:8:u accname:5:80:u dbId:3:4"},
        {DBGuidInfo::TBName, "t_guid", DBGuidInfo::DBGuidCol, "serverid:3:4:u type:3:4:u carry:1:1:u serial:3:4:u"},
        {DBSysDataInfo::TBName, "t_sysdata", DBSysDataInfo::DBDataCol, "dataindex:3:4:u taskbegintime:4:8"},
        {DBUserInfo::TBName, "t_player", DBUserInfo::DBBaseUserCol,
         "accname:5:80:u charguid:4:8:u charname:5:80 level:2:2 exp:3:4 sex:1:1 activitytask:6:1024 "
         "createtime:4:8 logouttime:4:8 blocktime:4:8 equipment_id:3:4 hp:3:4 mp:3:4 clientcfg:3:2048 crc:3:4"},
        {DBUserInfo::DBUserEx1TBName, "t_player_ex1", DBUserInfo::DBUserEx1Col,
         "charguid:4:8:u shopreftime:4:8 statuslist:6:128 isvalid:1:1 loginawardCount:3:4 loginawardweek:3:4 "
         "finalloginawardtime:4:8 starcount:3:4 starreftime:4:8 dailyreftime:4:8 weekreftime:4:8 "
         "tasklist:6:2048 startasklist:6:512 equipment_unlock_list:6:512 rechargeList:6:32 "
         "lastweekcardmailtime:4:8 luckywheelcount:3:4 rechargefirstflag:3:4 starlvlup:1:1 "
         "lastluckywheeltime:4:8 clientsets:6:128"},
        {DBUserInfo::DBUserEx2TBName, "t_player_ex2", DBUserInfo::DBUserEx2Col,
         "charguid:4:8:u commondata:6:512 commonflag:6:20 jackpotdata:6:64 newticketlottryrecord:6:512 "
         "monopolydata:6:160 matchentereimes:6:128 treasurelanddata:6:300 dailytaskdata:6:160"},
        {DBUserInfo::DBUserEx3RealTimeTBName, "t_player_ex3_realtime", DBUserInfo::DBUserEx3RealTimeCol,
         "charguid:4:8:u dworddata:6:512 worddata:6:512"},
        {DBItemDataInfo::TBName, "t_item", DBItemDataInfo::DBItemDataCol,
         "guid:4:8:u charguid:4:8:u typeid:3:4:u stackcount:3:4 packtype:3:4 pos:3:4 createtime:4:8 "
         "lifetime:4:8 detail:6:128"},
        {DBCurrencyDataInfo::TBName, "t_currency", DBCurrencyDataInfo::DBCurrencyDataCol,
         "charguid:4:8:u typeid:3:4:u num:3:4:u"},
        {DBShopDataInfo::TBName, "t_shopinfo", DBShopDataInfo::DBDataCol,
         "charguid:4:8:u tid:3:4:u num:3:4 discount:2:2"},
        {DBEmailDataInfo::TBName, "t_email", DBEmailDataInfo::DBDataCol,
         "guid:4:8:u emailtype:3:4 emailstate:3:4 createtime:4:8 globalguid:4:8 senderguid:4:8 "
         "receiverguid:4:8 sender:5:80 receiver:5:80 title:5:41 content:5:801 awardinfo:6:512"},
        {DBMatchDataInfo::TBName, "t_matchdata", DBMatchDataInfo::DBDataCol,
         "guid:4:8:u ownrank:3:4 detail:6:64 matchcounts:6:256"},
        {DBMatchScoreDataInfo::TBName, "t_matchscore", DBMatchScoreDataInfo::DBDataCol,
         "guid:4:8:u matchguid:4:8 charname:5:80 accname:5:80 matchscore:6:64"},
        {DBRechargeDataInfo::TBName, "t_recharge", DBRechargeDataInfo::DBDataCol,
         "Version:5:32 AppID:3:4 CPOrderID:5:64 OrderID:5:64:u PID:3:4 SourceMoneyID:3:4 "
         "SourceMoneyAmount:3:4 EndMoneyID:3:4 EndMoneyAmount:3:4 Coin:3:4 PayResult:3:4 AppSchemeID:3:4 "
         "Extend:5:64 Sign:5:32 CreateTime:4:8 State:3:4 GoodsId:3:4"},
        {DBMonsterRecordInfo::TBName, "t_monster_record", DBMonsterRecordInfo::DBDataCol,
         "mstindex:2:2:u mstrecord:6:2048"},
        {DBGlobalDataInfo::TBName, "t_globaldata", DBGlobalDataInfo::DBDataCol, "globalkey:5:32 data:6:196608"},
        {DBPlayerScrapCardInfo::TBName, "t_player_scrapcard", DBPlayerScrapCardInfo::DBDataCol,
         "charguid:4:8:u curperiod:6:1024 awardlog:6:1024 otherperiod:6:10240"},
    };
    for (const TableRow& r : rows)
    {
        SCOPED_TRACE(r.expectedName);
        EXPECT_STREQ(r.tableName, r.expectedName);
        EXPECT_EQ(DescribeColumns(r.cols), r.expectedCols);
    }
}

TEST(RecordLayout, KindValuesAndKeys)
{
    EXPECT_EQ(DB_DATA_TYPE::DB_BYTE, 0);
    EXPECT_EQ(DB_DATA_TYPE::DB_QWORD, 4);
    EXPECT_EQ(DB_DATA_TYPE::DB_ZIP2, 9);
    EXPECT_EQ(UserDBSave_T::DBS_INVALID, -1);
    EXPECT_EQ(UserDBSave_T::DBS_MAX, 2);
    EXPECT_EQ(DBItemPack::ITEM_TOTAL_COUNT, 228);
    EXPECT_EQ(DBCurrencyPack::ITEM_TOTAL_COUNT, 10);
    EXPECT_EQ(DBShopPack::ITEM_TOTAL_COUNT, 256);
    EXPECT_EQ(DBGlobalDataKeys::key_scrapcard, "scrapcard");
}
} // namespace
