// The economy, activity and task tables in the start-up sequence and in their reloads: each at
// its place, InitTable over the fixture writer's Config/, and the four single-table reloads.

#include "GameTableCheck.h"
#include "TableManager.h"
#include "TableReloadMgr.h"
#include "TableSequence.h"

#include "DBCTestUtil.h"
#include "TempWorkDir.h"

#include "Table_Activity.h"
#include "Table_ActivitySwitch.h"
#include "Table_ActivityTask.h"
#include "Table_BonusReturnRegulationRate.h"
#include "Table_BoonCard.h"
#include "Table_BossChallenge.h"
#include "Table_DailyBox.h"
#include "Table_DailyTaskPool.h"
#include "Table_Discount.h"
#include "Table_DropBag.h"
#include "Table_FirstPayAward.h"
#include "Table_JackpotActivity.h"
#include "Table_JackpotPool.h"
#include "Table_JackpotTaskReward.h"
#include "Table_LogInAward.h"
#include "Table_LotteryTicketAward.h"
#include "Table_LotteryTicketAwardWeight.h"
#include "Table_LuckyWheel.h"
#include "Table_MatchTB.h"
#include "Table_MissionTask.h"
#include "Table_MonopolyActivity.h"
#include "Table_MonopolyPool.h"
#include "Table_MonopolyStoreyReward.h"
#include "Table_NewLotteryTicket.h"
#include "Table_NewLotteryTicketReward.h"
#include "Table_NewPlayerRate.h"
#include "Table_Notice.h"
#include "Table_PersonalIncomeRegulationRate.h"
#include "Table_QVAward.h"
#include "Table_RateDiamondConfig.h"
#include "Table_RateEquipConfig.h"
#include "Table_RateItemConfig.h"
#include "Table_RateQiukaConfig.h"
#include "Table_Recharge.h"
#include "Table_Reward.h"
#include "Table_RewardGroupValue.h"
#include "Table_SceneTask.h"
#include "Table_SceneTaskMonster.h"
#include "Table_ScrapingCard.h"
#include "Table_Shop.h"
#include "Table_StageRate.h"
#include "Table_SystemEmail.h"
#include "Table_TaskAward.h"
#include "Table_TreasureIsland.h"
#include "Table_TreasureIslandReward.h"
#include "Table_TreasureIslandTime.h"
#include "Table_WeeklyAndDailyTask.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace
{
struct Place
{
    tint32 nPlace;
    const char* szTable;
    bool (*pfnLoad)(const tchar*);
    tint32 (*pfnCount)();
};

// The file that the sequence loads the table from.
std::string FileOf(const Place& p)
{
    const TableSeqEntry* pEntry = FindTableSeqEntry(p.szTable);
    return pEntry != nullptr ? pEntry->szFile : std::string();
}

const Place PLACES[] = {
    {4, "Activity", &InitTable_ActivityTable, &GetTable_ActivityCount},
    {5, "ActivityTask", &InitTable_ActivityTaskTable, &GetTable_ActivityTaskCount},
    {8, "BonusReturnRegulationRate",
     &InitTable_BonusReturnRegulationRateTable, &GetTable_BonusReturnRegulationRateCount},
    {9, "BoonCard", &InitTable_BoonCardTable, &GetTable_BoonCardCount},
    {10, "BossChallenge", &InitTable_BossChallengeTable, &GetTable_BossChallengeCount},
    {17, "DailyBox", &InitTable_DailyBoxTable, &GetTable_DailyBoxCount},
    {18, "DailyTaskPool", &InitTable_DailyTaskPoolTable, &GetTable_DailyTaskPoolCount},
    {19, "Discount", &InitTable_DiscountTable, &GetTable_DiscountCount},
    {20, "DropBag", &InitTable_DropBagTable, &GetTable_DropBagCount},
    {25, "FirstPayAward", &InitTable_FirstPayAwardTable, &GetTable_FirstPayAwardCount},
    {31, "QVAward", &InitTable_QVAwardTable, &GetTable_QVAwardCount},
    {32, "JackpotActivity",
     &InitTable_JackpotActivityTable, &GetTable_JackpotActivityCount},
    {33, "JackpotPool", &InitTable_JackpotPoolTable, &GetTable_JackpotPoolCount},
    {34, "JackpotTaskReward",
     &InitTable_JackpotTaskRewardTable, &GetTable_JackpotTaskRewardCount},
    {35, "LogInAward", &InitTable_LogInAwardTable, &GetTable_LogInAwardCount},
    {36, "LotteryTicketAward",
     &InitTable_LotteryTicketAwardTable, &GetTable_LotteryTicketAwardCount},
    {37, "LotteryTicketAwardWeight",
     &InitTable_LotteryTicketAwardWeightTable, &GetTable_LotteryTicketAwardWeightCount},
    {40, "LuckyWheel", &InitTable_LuckyWheelTable, &GetTable_LuckyWheelCount},
    {41, "MatchTB", &InitTable_MatchTBTable, &GetTable_MatchTBCount},
    {44, "MissionTask", &InitTable_MissionTaskTable, &GetTable_MissionTaskCount},
    {45, "MonopolyActivity",
     &InitTable_MonopolyActivityTable, &GetTable_MonopolyActivityCount},
    {46, "MonopolyPool", &InitTable_MonopolyPoolTable, &GetTable_MonopolyPoolCount},
    {47, "MonopolyStoreyReward",
     &InitTable_MonopolyStoreyRewardTable, &GetTable_MonopolyStoreyRewardCount},
    {54, "NewLotteryTicket",
     &InitTable_NewLotteryTicketTable, &GetTable_NewLotteryTicketCount},
    {55, "NewLotteryTicketReward",
     &InitTable_NewLotteryTicketRewardTable, &GetTable_NewLotteryTicketRewardCount},
    {56, "NewPlayerRate", &InitTable_NewPlayerRateTable, &GetTable_NewPlayerRateCount},
    {57, "Notice", &InitTable_NoticeTable, &GetTable_NoticeCount},
    {60, "PersonalIncomeRegulationRate",
     &InitTable_PersonalIncomeRegulationRateTable, &GetTable_PersonalIncomeRegulationRateCount},
    {62, "RateEquipConfig",
     &InitTable_RateEquipConfigTable, &GetTable_RateEquipConfigCount},
    {63, "RateItemConfig",
     &InitTable_RateItemConfigTable, &GetTable_RateItemConfigCount},
    {64, "RateQiukaConfig",
     &InitTable_RateQiukaConfigTable, &GetTable_RateQiukaConfigCount},
    {65, "RateDiamondConfig",
     &InitTable_RateDiamondConfigTable, &GetTable_RateDiamondConfigCount},
    {66, "Recharge", &InitTable_RechargeTable, &GetTable_RechargeCount},
    {68, "Reward", &InitTable_RewardTable, &GetTable_RewardCount},
    {69, "RewardGroupValue",
     &InitTable_RewardGroupValueTable, &GetTable_RewardGroupValueCount},
    {72, "SceneTask", &InitTable_SceneTaskTable, &GetTable_SceneTaskCount},
    {73, "SceneTaskMonster",
     &InitTable_SceneTaskMonsterTable, &GetTable_SceneTaskMonsterCount},
    {74, "Shop", &InitTable_ShopTable, &GetTable_ShopCount},
    {76, "StageRate", &InitTable_StageRateTable, &GetTable_StageRateCount},
    {77, "SystemEmail", &InitTable_SystemEmailTable, &GetTable_SystemEmailCount},
    {78, "TaskAward", &InitTable_TaskAwardTable, &GetTable_TaskAwardCount},
    {79, "TreasureIsland",
     &InitTable_TreasureIslandTable, &GetTable_TreasureIslandCount},
    {80, "TreasureIslandReward",
     &InitTable_TreasureIslandRewardTable, &GetTable_TreasureIslandRewardCount},
    {81, "TreasureIslandTime",
     &InitTable_TreasureIslandTimeTable, &GetTable_TreasureIslandTimeCount},
    {84, "WeeklyAndDailyTask",
     &InitTable_WeeklyAndDailyTaskTable, &GetTable_WeeklyAndDailyTaskCount},
    {85, "ActivitySwitch",
     &InitTable_ActivitySwitchTable, &GetTable_ActivitySwitchCount},
    {86, "ScrapingCard", &InitTable_ScrapingCardTable, &GetTable_ScrapingCardCount},
};

TEST(EconomyTaskSequence, EachTableIsLoadedAtItsPlace)
{
    ASSERT_EQ(47u, sizeof(PLACES) / sizeof(PLACES[0]));
    for (const Place& p : PLACES) {
        SCOPED_TRACE(p.szTable);
        const TableSeqEntry* pEntry = FindTableSeqEntry(p.szTable);
        ASSERT_NE(nullptr, pEntry);
        EXPECT_EQ(p.nPlace, pEntry->nPlace);
        EXPECT_EQ(p.pfnLoad, pEntry->pfnLoad);
    }
}

// A wrong column count, reported by each module from its own source: __Load's check and its
// handler, then the loader's handler on a line of its own.
TEST(EconomyTaskSequence, ReportsNameTheModuleAndLoadHasItsOwnLine)
{
    for (const Place& p : PLACES) {
        SCOPED_TRACE(p.szTable);
        TempWorkDir dir;
        dir.WriteFile("Config/Narrow.txt", DBCTest::TextTable("INT\tSTRING\tINT", {"0\tx\t1"}));   // 3 columns, too few for every table
        DBCTest::ExpectReportThrown([&] { p.pfnLoad("Config/Narrow.txt"); });
        const std::vector<DBCTest::AssertRecord> records = DBCTest::AssertRecords(dir);
        ASSERT_EQ(3u, records.size());
        for (const DBCTest::AssertRecord& r : records) {
            EXPECT_EQ(std::string("Lib/libcommon/Table/Table_") + p.szTable, r.strFile);
        }
        EXPECT_EQ(std::string(p.szTable) + " Columns Differ", records[0].strMsg);
        EXPECT_EQ(std::string("bool Table_") + p.szTable + "::__Load(DBC_Loader&)", records[1].strFunc);
        EXPECT_EQ(std::string("bool InitTable_") + p.szTable + "Table(const tchar*)", records[2].strFunc);
        EXPECT_NE(records[1].strLine, records[2].strLine);
    }
}

#ifdef DRAVIK_FIXTURES_EXE
using GameTableCheck::RunFixtures;

// InitTable over the fixture writer's files with three rows per table: every table here loads
// its rows and logs its two lines in order. (TableFixtures runs it with the largest row counts.)
TEST(EconomyTaskSequence, InitTableLoadsTheFixtureConfig)
{
    TempWorkDir dir;
    ASSERT_EQ(0, RunFixtures("--out " + dir.Path() + " --rows 3"));
    EXPECT_TRUE(InitTable());
    const std::vector<std::string> lines = DBCTest::LogLines(dir, "ServerStatus.");
    size_t nAfter = 0;
    for (const Place& p : PLACES) {
        SCOPED_TRACE(p.szTable);
        EXPECT_EQ(3, p.pfnCount());
        size_t i = nAfter;
        while (i < lines.size() && lines[i] != "Start Loading Table " + FileOf(p) + " ...") {
            ++i;
        }
        ASSERT_LT(i + 1, lines.size()) << "no start line after the previous table's";
        EXPECT_EQ("Load Table " + FileOf(p) + " OK", lines[i + 1]);
        nAfter = i + 2;
    }
    EXPECT_TRUE(DBCTest::AssertRecords(dir).empty());
}

// Each reload: its start line, then OK and the new rows, Failed and the old rows when the file
// is missing, and only the start line when the load throws.
TEST(EconomyTaskReload, LogsByTheResultAndKeepsOrDropsRecords)
{
    struct Case
    {
        const char* szTable;
        bool (*pfnReload)();
        tint32 (*pfnCount)();
        bool (*pfnHas)(tint32);
        const char* szStart;
        const char* szOK;
        const char* szFailed;
    };
    const Case cases[] = {
        {"Shop", &TableReload::ReloadShopTable, &GetTable_ShopCount,
         [](tint32 n) { return GetTable_ShopByID(n) != nullptr; }, "Start ReLoading Table Config/Shop.txt ...",
         "ReLoad Table Config/Shop.txt OK", "ReLoad Table Config/Shop.txt Failed"},
        {"Activity", &TableReload::ReloadActivityTable, &GetTable_ActivityCount,
         [](tint32 n) { return GetTable_ActivityByID(n) != nullptr; }, "Start ReLoading Table Config/Activity.txt ...",
         "ReLoad Table Config/Activity.txt OK", "ReLoad Table Config/Activity.txt Failed"},
        {"WeeklyAndDailyTask", &TableReload::ReloadWeeklyAndDailyTaskTable, &GetTable_WeeklyAndDailyTaskCount,
         [](tint32 n) { return GetTable_WeeklyAndDailyTaskByID(n) != nullptr; },
         "Start Loading Table Config/WeeklyAndDailyTask.txt ...", "Load Table Config/WeeklyAndDailyTask.txt OK",
         "Load Table Config/WeeklyAndDailyTask.txt Failed"},
        {"TaskAward", &TableReload::ReloadTaskAwardTable, &GetTable_TaskAwardCount,
         [](tint32 n) { return GetTable_TaskAwardByID(n) != nullptr; }, "Start Loading Table Config/TaskAward.txt ...",
         "Load Table Config/TaskAward.txt OK", "Load Table Config/TaskAward.txt Failed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szTable);
        const bool bShop = std::string(c.szTable) == "Shop";
        const TableSeqEntry* pEntry = FindTableSeqEntry(c.szTable);
        ASSERT_NE(nullptr, pEntry);
        const std::string strFile = pEntry->szFile;
        TempWorkDir dir;
        std::vector<std::string> lines;

        ASSERT_EQ(0, RunFixtures("--out " + dir.Path() + " --rows 2"));
        const tint64 tBefore = static_cast<tint64>(std::time(nullptr));
        EXPECT_TRUE(c.pfnReload());
        const tint64 tAfter = static_cast<tint64>(std::time(nullptr));
        lines.insert(lines.end(), {c.szStart, c.szOK});
        EXPECT_EQ(2, c.pfnCount());
        if (bShop) {
            EXPECT_LE(tBefore, TableReload::GetShopTableReloadTime());
            EXPECT_GE(tAfter, TableReload::GetShopTableReloadTime());
        }

        ASSERT_EQ(0, RunFixtures("--out " + dir.Path() + " --rows 1"));   // row with ID 1 gone
        EXPECT_TRUE(c.pfnReload());
        lines.insert(lines.end(), {c.szStart, c.szOK});
        // The last good reload's stamp; the failures below must leave it alone.
        const tint64 tStamp = TableReload::GetShopTableReloadTime();
        EXPECT_EQ(1, c.pfnCount());
        EXPECT_TRUE(c.pfnHas(0));
        EXPECT_FALSE(c.pfnHas(1));

        const std::string strOneRow = dir.ReadFile(strFile);
        std::remove(strFile.c_str());   // missing: Failed, the records stay
        EXPECT_FALSE(c.pfnReload());
        lines.insert(lines.end(), {c.szStart, c.szFailed});
        EXPECT_EQ(1, c.pfnCount());
        EXPECT_TRUE(c.pfnHas(0));

        // An ID twice is refused while the file is read: thrown, no line, the records stay.
        const size_t nLastRow = strOneRow.rfind('\n', strOneRow.size() - 2) + 1;
        dir.WriteFile(strFile, strOneRow + strOneRow.substr(nLastRow));
        DBCTest::ExpectReportThrown([&] { c.pfnReload(); });
        lines.push_back(c.szStart);
        EXPECT_TRUE(c.pfnHas(0));

        // A wrong column count throws after the old records are gone.
        dir.WriteFile(strFile, DBCTest::TextTable("INT\tSTRING", {"0\tx"}));
        DBCTest::ExpectReportThrown([&] { c.pfnReload(); });
        lines.push_back(c.szStart);
        EXPECT_FALSE(c.pfnHas(0));

        EXPECT_EQ(lines, DBCTest::LogLines(dir, "ServerStatus."));
        EXPECT_EQ(tStamp, TableReload::GetShopTableReloadTime());   // set by good shop reloads only
        const std::string strLoad = std::string("bool InitTable_") + c.szTable + "Table(const tchar*)";
        const std::string strTable = std::string("bool Table_") + c.szTable + "::__Load(DBC_Loader&)";
        const std::vector<std::string> expected = {
            "void DBCFile::CheckIndex(const tchar*) | false | [" + strFile + "] Multi index at line 2(SAME:value=0)",
            strLoad + " | false | " + strLoad,
            strTable + " | ID_TAB_CURCOL_COUNT==loader.GetFieldsNum() | " + c.szTable + " Columns Differ",
            strTable + " | false | " + strTable,
            strLoad + " | false | " + strLoad,
        };
        EXPECT_EQ(expected, DBCTest::AssertSummary(dir));
    }
}
#endif
}   // namespace
