// The start-up loading sequence, the reload steps and the fixture writer, on test tables
// declared like the game tables and on the game tables themselves.

#include "GameTableCheck.h"
#include "TableManager.h"
#include "TableReloadMgr.h"
#include "TableSequence.h"

#include "DBCTableModule.h"
#include "DBCTestUtil.h"
#include "Table_AttributeAdd.h"
#include "Table_BonusReturnRegulationRate.h"
#include "Table_RobotName.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#define DBC_TABLE_SeqA(TABLE, COL, ELEM)                              \
    TABLE(SeqA, SequenceMgrType, 99, 100, 3)                          \
    COL(0, ID_ID, INT, Id)                                            \
    COL(2, ID_NAME, STRING, Name)
DBC_DECLARE_TABLE(SeqA)
DBC_DEFINE_TABLE(SeqA, "tests/Lib/libcommon/Table/SeqA")

#define DBC_TABLE_SeqB(TABLE, COL, ELEM)                              \
    TABLE(SeqB, HashMgrType, 63, 64, 3)                               \
    COL(0, ID_ID, INT, Id)                                            \
    COL(2, ID_VALUE, INT, Value)
DBC_DECLARE_TABLE(SeqB)
DBC_DEFINE_TABLE(SeqB, "tests/Lib/libcommon/Table/SeqB")

#define DBC_TABLE_SeqC(TABLE, COL, ELEM)                              \
    TABLE(SeqC, SequenceMgrType, 9, 10, 3)                            \
    COL(0, ID_ID, INT, Id)                                            \
    COL(2, ID_RATE, FLOAT, Rate)
DBC_DECLARE_TABLE(SeqC)
DBC_DEFINE_TABLE(SeqC, "tests/Lib/libcommon/Table/SeqC")

namespace
{
int s_nSeqCCalls = 0;
bool CountedSeqCLoad(const tchar* szFile)
{
    ++s_nSeqCCalls;
    return InitTable_SeqCTable(szFile);
}

const TableSeqEntry s_aTestSequence[] = {
    {1, "SeqA", "Config/SeqA.txt", &InitTable_SeqATable},
    {2, "SeqB", "Config/SeqB.txt", &InitTable_SeqBTable},
    {3, "SeqC", "Config/SeqC.txt", &CountedSeqCLoad},
};

void WriteGoodFiles(const TempWorkDir& dir)
{
    dir.WriteFile("Config/SeqA.txt", DBCTest::TextTable("INT\tSTRING\tSTRING", {"1\tx\talpha", "2\tx\tbeta"}));
    dir.WriteFile("Config/SeqB.txt", DBCTest::TextTable("INT\tSTRING\tINT", {"-5\tx\t50", "5\tx\t51"}));
    dir.WriteFile("Config/SeqC.txt", DBCTest::TextTable("INT\tSTRING\tFLOAT", {"9\tx\t0.5"}));
}

#ifdef DRAVIK_FIXTURES_EXE
using GameTableCheck::RunFixtures;
#endif

const std::vector<std::string> START_AND_OK_A = {"Start Loading Table Config/SeqA.txt ...", "Load Table Config/SeqA.txt OK"};

struct Place
{
    tint32 nPlace;
    const char* szTable;
    const char* szFile;
};

// The start-up loading sequence, written out entry by entry.
const Place SEQUENCE[] = {
    {1, "AI", "Config/AI.txt"},
    {2, "AITrees", "Config/AITrees.txt"},
    {3, "AccountLevel", "Config/AccountLevel.txt"},
    {4, "Activity", "Config/Activity.txt"},
    {5, "ActivityTask", "Config/ActivityTask.txt"},
    {6, "Area", "Config/Area.txt"},
    {7, "AttributeAdd", "Config/AttributeAdd.txt"},
    {8, "BonusReturnRegulationRate", "Config/BonusReturnRegulationRate.txt"},
    {9, "BoonCard", "Config/BoonCard.txt"},
    {10, "BossChallenge", "Config/BossChallenge.txt"},
    {11, "BossSwing", "Config/BossSwing.txt"},
    {12, "CharAttr", "Config/CharAttr.txt"},
    {13, "CharAttr1", "Config/CharAttr1.txt"},
    {14, "CommonData", "Config/CommonData.txt"},
    {15, "CommonDataPublic", "Config/CommonData_Public.txt"},
    {16, "CoolDownTime", "Config/CoolDownTime.txt"},
    {17, "DailyBox", "Config/DailyBox.txt"},
    {18, "DailyTaskPool", "Config/DailyTaskPool.txt"},
    {19, "Discount", "Config/Discount.txt"},
    {20, "DropBag", "Config/DropBag.txt"},
    {21, "EnhanceAck", "Config/EnhanceAck.txt"},
    {22, "EnhancePower", "Config/EnhancePower.txt"},
    {23, "EquipSuit", "Config/EquipSuit.txt"},
    {24, "Equipment", "Config/Equipment.txt"},
    {25, "FirstPayAward", "Config/FirstPayAward.txt"},
    {26, "Impact", "Config/Impact.txt"},
    {27, "ImpactCarrier", "Config/ImpactCarrier.txt"},
    {28, "InitialItem", "Config/InitialItem.txt"},
    {29, "Item", "Config/Item.txt"},
    {30, "ItemHitRate", "Config/ItemHitRate.txt"},
    {31, "QVAward", "Config/QVAward.txt"},
    {32, "JackpotActivity", "Config/JackpotActivity.txt"},
    {33, "JackpotPool", "Config/JackpotPool.txt"},
    {34, "JackpotTaskReward", "Config/JackpotTaskReward.txt"},
    {35, "LogInAward", "Config/LogInAward.txt"},
    {36, "LotteryTicketAward", "Config/LotteryTicketAward.txt"},
    {37, "LotteryTicketAwardWeight", "Config/LotteryTicketAwardWeight.txt"},
    {38, "LuaDataCS", "Config/LuaDataCS.txt"},
    {39, "LuaDataGS", "Config/LuaDataGS.txt"},
    {40, "LuckyWheel", "Config/LuckyWheel.txt"},
    {41, "MatchTB", "Config/MatchTB.txt"},
    {42, "MaxGroupCost", "Config/MaxGroupCost.txt"},
    {43, "MaxMonsterCost", "Config/MaxMonsterCost.txt"},
    {44, "MissionTask", "Config/MissionTask.txt"},
    {45, "MonopolyActivity", "Config/MonopolyActivity.txt"},
    {46, "MonopolyPool", "Config/MonopolyPool.txt"},
    {47, "MonopolyStoreyReward", "Config/MonopolyStoreyReward.txt"},
    {48, "Monster", "Config/Monster.txt"},
    {49, "MonsterArmorBreak", "Config/MonsterArmorBreak.txt"},
    {50, "MonsterBirth", "Config/MonsterBirth.txt"},
    {51, "MonsterCountDwonTime", "Config/MonsterCountDwonTime.txt"},
    {52, "MonsterGroup", "Config/MonsterGroup.txt"},
    {53, "MonsterMultiple", "Config/MonsterMultiple.txt"},
    {54, "NewLotteryTicket", "Config/NewLotteryTicket.txt"},
    {55, "NewLotteryTicketReward", "Config/NewLotteryTicketReward.txt"},
    {56, "NewPlayerRate", "Config/NewPlayerRate.txt"},
    {57, "Notice", "Config/Notice.txt"},
    {58, "PassiveSkill", "Config/PassiveSkill.txt"},
    {59, "PassiveSkillRand", "Config/PassiveSkillRand.txt"},
    {60, "PersonalIncomeRegulationRate", "Config/PersonalIncomeRegulationRate.txt"},
    {61, "PlayerBirthArea", "Config/PlayerBirthArea.txt"},
    {62, "RateEquipConfig", "Config/RateEquipConfig.txt"},
    {63, "RateItemConfig", "Config/RateItemConfig.txt"},
    {64, "RateQiukaConfig", "Config/RateQiukaConfig.txt"},
    {65, "RateDiamondConfig", "Config/RateDiamondConfig.txt"},
    {66, "Recharge", "Config/Recharge.txt"},
    {67, "ReturnWayPoint", "Config/ReturnWayPoint.txt"},
    {68, "Reward", "Config/Reward.txt"},
    {69, "RewardGroupValue", "Config/RewardGroupValue.txt"},
    {70, "RougelikeRule", "Config/RougelikeRule.txt"},
    {71, "Scene", "Config/Scene.txt"},
    {72, "SceneTask", "Config/SceneTask.txt"},
    {73, "SceneTaskMonster", "Config/SceneTaskMonster.txt"},
    {74, "Shop", "Config/Shop.txt"},
    {75, "Skill", "Config/Skill.txt"},
    {76, "StageRate", "Config/StageRate.txt"},
    {77, "SystemEmail", "Config/SystemEmail.txt"},
    {78, "TaskAward", "Config/TaskAward.txt"},
    {79, "TreasureIsland", "Config/TreasureIsland.txt"},
    {80, "TreasureIslandReward", "Config/TreasureIslandReward.txt"},
    {81, "TreasureIslandTime", "Config/TreasureIslandTime.txt"},
    {82, "UsableItem", "Config/UsableItem.txt"},
    {83, "WayPoint", "Config/WayPoint.txt"},
    {84, "WeeklyAndDailyTask", "Config/WeeklyAndDailyTask.txt"},
    {85, "ActivitySwitch", "Config/ActivitySwitch.txt"},
    {86, "ScrapingCard", "Config/ScrapingCard.txt"},
};

// Every place of the sequence, and, over the fixture writer's files, the 172 lines that
// InitTable writes in that order.
TEST(TableSequence, LoadsTheEightySixTablesAtTheirPlaces)
{
    ASSERT_EQ(86u, sizeof(SEQUENCE) / sizeof(SEQUENCE[0]));
    tint32 n = 0;
    const TableSeqEntry* p = GetTableSequence(n);
    ASSERT_EQ(86, n);
    for (tint32 i = 0; i < n; ++i) {
        SCOPED_TRACE(SEQUENCE[i].szTable);
        EXPECT_EQ(SEQUENCE[i].nPlace, p[i].nPlace);
        EXPECT_STREQ(SEQUENCE[i].szTable, p[i].szTable);
        EXPECT_STREQ(SEQUENCE[i].szFile, p[i].szFile);
        EXPECT_NE(nullptr, p[i].pfnLoad);
        EXPECT_EQ(&p[i], FindTableSeqEntry(SEQUENCE[i].szTable));
    }
    for (const char* szTable : {"Card1", "Pet", "Ride", "RobotName"}) {   // known, never in it
        EXPECT_EQ(nullptr, FindTableSeqEntry(szTable)) << szTable;
    }

#ifdef DRAVIK_FIXTURES_EXE
    TempWorkDir dir;
    ASSERT_EQ(0, RunFixtures("--out " + dir.Path() + " --rows 2"));
    EXPECT_TRUE(InitTable());
    std::vector<std::string> expected;
    for (const Place& s : SEQUENCE) {
        expected.push_back(std::string("Start Loading Table ") + s.szFile + " ...");
        expected.push_back(std::string("Load Table ") + s.szFile + " OK");
    }
    ASSERT_EQ(172u, expected.size());
    EXPECT_EQ(expected, DBCTest::LogLines(dir, "ServerStatus."));
    EXPECT_TRUE(DBCTest::AssertRecords(dir).empty());
#endif
}

TEST(TableSequence, LogsTwoLinesPerTableWhenAllLoad)
{
    TempWorkDir dir;
    WriteGoodFiles(dir);
    EXPECT_TRUE(InitTableRun(s_aTestSequence, 3));
    const std::vector<std::string> expected = {
        "Start Loading Table Config/SeqA.txt ...", "Load Table Config/SeqA.txt OK",
        "Start Loading Table Config/SeqB.txt ...", "Load Table Config/SeqB.txt OK",
        "Start Loading Table Config/SeqC.txt ...", "Load Table Config/SeqC.txt OK",
    };
    EXPECT_EQ(expected, DBCTest::LogLines(dir, "ServerStatus."));
    EXPECT_TRUE(DBCTest::AssertRecords(dir).empty());
    EXPECT_EQ(51, GetTable_SeqBByID(5)->GetValue());
    EXPECT_EQ(0.5f, GetTable_SeqCByID(9)->GetRate());
}

TEST(TableSequence, StopsAtTheFirstFailingTable)
{
    const std::string F = "bool InitTable()";
    const std::string B = "bool InitTable_SeqBTable(const tchar*)";
    const std::string L = "bool Table_SeqB::__Load(DBC_Loader&)";
    struct Case
    {
        const char* szName;
        const char* szSeqB;   // null: no file
        std::vector<std::string> asserts;
    };
    const Case cases[] = {
        {"file missing", nullptr, {F + " | false | Load Table Config/SeqB.txt Failed", F + " | false | " + F}},
        {"not a table file", "just one line\n", {F + " | false | Load Table Config/SeqB.txt Failed", F + " | false | " + F}},
        {"wrong column count", "n\nINT\tSTRING\n3\n4\n1\tx\n",
         {L + " | ID_TAB_CURCOL_COUNT==loader.GetFieldsNum() | SeqB Columns Differ", L + " | false | " + L,
          B + " | false | " + B, F + " | false | " + F}},
        {"record refused by the container", "n\nINT\tSTRING\tINT\n3\n4\n5\tx\t1\n4294967301\tx\t2\n",
         {B + " | false | [DBC_Table_Hash_T::PushContent]: Duplicated ID(5) found!!", F + " | false | " + F}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        TempWorkDir dir;
        WriteGoodFiles(dir);
        if (c.szSeqB == nullptr) {
            std::remove("Config/SeqB.txt");
        } else {
            dir.WriteFile("Config/SeqB.txt", c.szSeqB);
        }
        s_nSeqCCalls = 0;
        DBCTest::ExpectReportThrown([] { InitTableRun(s_aTestSequence, 3); });
        std::vector<std::string> lines = START_AND_OK_A;
        lines.push_back("Start Loading Table Config/SeqB.txt ...");
        EXPECT_EQ(lines, DBCTest::LogLines(dir, "ServerStatus."));
        EXPECT_EQ(c.asserts, DBCTest::AssertSummary(dir));
        const auto records = DBCTest::AssertRecords(dir);
        ASSERT_FALSE(records.empty());
        EXPECT_EQ("Lib/libcommon/Table/TableManager", records.back().strFile);
        EXPECT_EQ(0, s_nSeqCCalls);   // later entries are never started
    }
}

// An entry without a loading function is never passed over: it fails like a table that does not
// load, at its place, and the later entries are not started.
TEST(TableSequence, AnEntryWithoutALoadingFunctionFails)
{
    const TableSeqEntry sequence[] = {
        s_aTestSequence[0],
        {2, "Missing", "Config/Missing.txt", nullptr},
        s_aTestSequence[2],
    };
    TempWorkDir dir;
    WriteGoodFiles(dir);
    s_nSeqCCalls = 0;
    DBCTest::ExpectReportThrown([&] { InitTableRun(sequence, 3); });
    std::vector<std::string> lines = START_AND_OK_A;
    lines.push_back("Start Loading Table Config/Missing.txt ...");
    EXPECT_EQ(lines, DBCTest::LogLines(dir, "ServerStatus."));
    const std::vector<std::string> asserts = {
        "bool InitTable() | false | Load Table Config/Missing.txt Failed",
        "bool InitTable() | false | bool InitTable()",
    };
    EXPECT_EQ(asserts, DBCTest::AssertSummary(dir));
    EXPECT_EQ(0, s_nSeqCCalls);

    // A reload of such an entry logs its failure instead of calling nothing.
    EXPECT_FALSE(TableReloadRun(sequence[1], "Start Loading Table ", "Load Table ", nullptr));
    const std::vector<std::string> tail = {"Start Loading Table Config/Missing.txt ...",
                                           "Load Table Config/Missing.txt Failed"};
    const std::vector<std::string> all = DBCTest::LogLines(dir, "ServerStatus.");
    ASSERT_LE(2u, all.size());
    EXPECT_EQ(tail, std::vector<std::string>(all.end() - 2, all.end()));
}

#ifdef DRAVIK_FIXTURES_EXE
// The ID -2147483648 has no bucket among the 50000 of the attribute-bonus table (entry 7): its
// loading function returns false without a report of its own, and InitTable stops there.
TEST(TableSequence, AnIDWithoutABucketStopsInitTable)
{
    TempWorkDir dir;
    ASSERT_EQ(0, RunFixtures("--out " + dir.Path() + " --rows 2"));
    dir.WriteFile("Config/One.txt",
                  DBCTest::TextTable("INT\tSTRING\tSTRING\tINT\tINT\tINT\tSTRING\tSTRING\tSTRING\tSTRING",
                                     {"4\tx\troom\t1\t2\t3\ta\tb\tc\td"}));
    ASSERT_TRUE(InitTable_BonusReturnRegulationRateTable("Config/One.txt"));
    // The fixture rows carry the IDs 0 and 1: the first becomes -2147483648.
    const std::string strRows = dir.ReadFile("Config/AttributeAdd.txt");
    const size_t nAt = strRows.find("\n0\t");
    ASSERT_NE(std::string::npos, nAt);
    dir.WriteFile("Config/AttributeAdd.txt", strRows.substr(0, nAt + 1) + "-2147483648" + strRows.substr(nAt + 2));

    DBCTest::ExpectReportThrown([] { InitTable(); });
    std::vector<std::string> expected;
    for (tint32 i = 0; i < 6; ++i) {
        expected.push_back(std::string("Start Loading Table ") + SEQUENCE[i].szFile + " ...");
        expected.push_back(std::string("Load Table ") + SEQUENCE[i].szFile + " OK");
    }
    expected.push_back("Start Loading Table Config/AttributeAdd.txt ...");
    EXPECT_EQ(expected, DBCTest::LogLines(dir, "ServerStatus."));
    const std::vector<std::string> asserts = {
        "bool InitTable() | false | Load Table Config/AttributeAdd.txt Failed",
        "bool InitTable() | false | bool InitTable()",
    };
    EXPECT_EQ(asserts, DBCTest::AssertSummary(dir));
    EXPECT_EQ(nullptr, GetTable_AttributeAddByID(1));   // not ready
    // Entry 8 is never called: its table keeps the record loaded before.
    EXPECT_EQ(1, GetTable_BonusReturnRegulationRateCount());
    EXPECT_NE(nullptr, GetTable_BonusReturnRegulationRateByID(4));
}
#endif

TEST(TableSequence, ReloadStepsLogByTheResult)
{
    static int s_nStamps = 0;
    const TableSeqEntry& a = s_aTestSequence[0];
    TempWorkDir dir;
    WriteGoodFiles(dir);
    ASSERT_TRUE(TableReloadRun(a, "Start ReLoading Table ", "ReLoad Table ", [] { ++s_nStamps; }));
    EXPECT_EQ(1, s_nStamps);

    std::remove("Config/SeqA.txt");   // missing: Failed line, old records kept, no stamp
    EXPECT_FALSE(TableReloadRun(a, "Start ReLoading Table ", "ReLoad Table ", [] { ++s_nStamps; }));
    EXPECT_EQ(1, s_nStamps);
    EXPECT_STREQ("beta", GetTable_SeqAByID(2)->GetName());

    dir.WriteFile("Config/SeqA.txt", "n\nINT\n3\n4\n1\n");   // wrong count: thrown, no line after the start
    DBCTest::ExpectReportThrown([&] { TableReloadRun(a, "Start Loading Table ", "Load Table ", nullptr); });

    const std::vector<std::string> expected = {
        "Start ReLoading Table Config/SeqA.txt ...", "ReLoad Table Config/SeqA.txt OK",
        "Start ReLoading Table Config/SeqA.txt ...", "ReLoad Table Config/SeqA.txt Failed",
        "Start Loading Table Config/SeqA.txt ...",
    };
    EXPECT_EQ(expected, DBCTest::LogLines(dir, "ServerStatus."));
}

#ifdef DRAVIK_FIXTURES_EXE
TEST(TableFixtures, WritesAConfigThatStartUpLoads)
{
    TempWorkDir dir;
    ASSERT_EQ(0, RunFixtures("--out " + dir.Path() + " --rows max"));
    EXPECT_EQ("ID\tDesc\tFNAME\tSNAME\nINT\tSTRING\tSTRING\tSTRING\n",
              dir.ReadFile("Config/RobotName.txt").substr(0, 45));
    ASSERT_TRUE(InitTable_RobotNameTable("Config/RobotName.txt"));
    EXPECT_EQ(1000, GetTable_RobotNameCount());

    EXPECT_TRUE(InitTable());
    EXPECT_EQ(172u, DBCTest::LogLines(dir, "ServerStatus.").size());
    EXPECT_TRUE(DBCTest::AssertRecords(dir).empty());

    // One file per table that start-up loads, under the name it reads: nothing else.
    std::set<std::string> expected = {"Config/RobotName.txt"};
    for (const Place& s : SEQUENCE) {
        expected.insert(s.szFile);
    }
    std::set<std::string> written;
    for (const auto& entry : std::filesystem::directory_iterator("Config")) {
        written.insert("Config/" + entry.path().filename().string());
    }
    EXPECT_EQ(expected, written);

    ASSERT_EQ(0, RunFixtures("--out " + dir.Path() + " --rows 2"));
    ASSERT_TRUE(InitTable_RobotNameTable("Config/RobotName.txt"));
    EXPECT_EQ(2, GetTable_RobotNameCount());

    EXPECT_EQ(2, RunFixtures("--rows many"));
    EXPECT_EQ(2, RunFixtures("--bogus"));
}

// Each reload: its own lines, and the shop's time stamp.
TEST(TableFixtures, ReloadsLogTheirLines)
{
    struct Case
    {
        const char* szTable;
        bool (*pfnReload)();
        const char* szStart;
        const char* szDone;
    };
    const Case cases[] = {
        {"Shop", &TableReload::ReloadShopTable, "Start ReLoading Table Config/Shop.txt ...", "ReLoad Table Config/Shop.txt OK"},
        {"Activity", &TableReload::ReloadActivityTable, "Start ReLoading Table Config/Activity.txt ...", "ReLoad Table Config/Activity.txt OK"},
        {"WeeklyAndDailyTask", &TableReload::ReloadWeeklyAndDailyTaskTable, "Start Loading Table Config/WeeklyAndDailyTask.txt ...",
         "Load Table Config/WeeklyAndDailyTask.txt OK"},
        {"TaskAward", &TableReload::ReloadTaskAwardTable, "Start Loading Table Config/TaskAward.txt ...", "Load Table Config/TaskAward.txt OK"},
        {"CommonData", &TableReload::ReloadCommonDataTable, "Start Loading Table Config/CommonData.txt ...", "Load Table Config/CommonData.txt OK"},
    };
    TempWorkDir dir;
    ASSERT_EQ(0, RunFixtures("--out " + dir.Path()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szTable);
        const TableSeqEntry* pEntry = FindTableSeqEntry(c.szTable);
        ASSERT_NE(nullptr, pEntry);
        const time_t tBefore = std::time(nullptr);
        EXPECT_TRUE(c.pfnReload());
        const std::vector<std::string> lines = DBCTest::LogLines(dir, "ServerStatus.");
        ASSERT_LE(2u, lines.size());
        EXPECT_EQ(c.szStart, lines[lines.size() - 2]);
        EXPECT_EQ(c.szDone, lines.back());
        if (std::string(c.szTable) == "Shop") {
            EXPECT_LE(static_cast<tint64>(tBefore), TableReload::GetShopTableReloadTime());
        }
    }
}
#endif
}   // namespace
