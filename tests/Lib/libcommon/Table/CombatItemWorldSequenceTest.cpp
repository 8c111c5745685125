// The combat, character, item and world tables in the start-up sequence: a full InitTable over
// the fixture writer's files, a missing file that stops it, the three tables that start-up
// never loads, the reload of the common-data table, and each module's reports.

#include "GameTableCheck.h"
#include "TableManager.h"
#include "TableReloadMgr.h"
#include "TableSequence.h"

#include "DBCTestUtil.h"
#include "TempWorkDir.h"

#include "Table_AI.h"
#include "Table_AITrees.h"
#include "Table_AccountLevel.h"
#include "Table_Area.h"
#include "Table_AttributeAdd.h"
#include "Table_BossSwing.h"
#include "Table_Card1.h"
#include "Table_CharAttr.h"
#include "Table_CharAttr1.h"
#include "Table_CommonData.h"
#include "Table_CommonDataPublic.h"
#include "Table_CoolDownTime.h"
#include "Table_EnhanceAck.h"
#include "Table_EnhancePower.h"
#include "Table_EquipSuit.h"
#include "Table_Equipment.h"
#include "Table_Impact.h"
#include "Table_ImpactCarrier.h"
#include "Table_InitialItem.h"
#include "Table_Item.h"
#include "Table_ItemHitRate.h"
#include "Table_LuaDataCS.h"
#include "Table_LuaDataGS.h"
#include "Table_MaxGroupCost.h"
#include "Table_MaxMonsterCost.h"
#include "Table_Monster.h"
#include "Table_MonsterArmorBreak.h"
#include "Table_MonsterBirth.h"
#include "Table_MonsterCountDwonTime.h"
#include "Table_MonsterGroup.h"
#include "Table_MonsterMultiple.h"
#include "Table_PassiveSkill.h"
#include "Table_PassiveSkillRand.h"
#include "Table_Pet.h"
#include "Table_PlayerBirthArea.h"
#include "Table_ReturnWayPoint.h"
#include "Table_Ride.h"
#include "Table_RougelikeRule.h"
#include "Table_Scene.h"
#include "Table_Skill.h"
#include "Table_UsableItem.h"
#include "Table_WayPoint.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace
{
// Taken during static initialisation, before any test can load them: the three tables that
// start-up never loads exist from the start, empty and not ready.
bool NeverLoadedTablesAnswerNothing()
{
    bool bEmpty = GetTable_Card1Count() == 0 && GetTable_PetCount() == 0 && GetTable_RideCount() == 0;
    for (tint32 n : {-3, -1, 0, 1, 3, 999, 1000, 1999, 2000}) {
        bEmpty = bEmpty && GetTable_Card1ByID(n) == nullptr && GetTable_Card1ByIndex(n) == nullptr &&
                 GetTable_PetByID(n) == nullptr && GetTable_PetByIndex(n) == nullptr &&
                 GetTable_RideByID(n) == nullptr && GetTable_RideByIndex(n) == nullptr;
    }
    return bEmpty;
}
const bool s_bNeverLoadedAtStart = NeverLoadedTablesAnswerNothing();

TEST(CombatItemWorldSequence, CardPetAndRideStartEmptyAndOutsideTheSequence)
{
    EXPECT_TRUE(s_bNeverLoadedAtStart);
    for (const char* szName : {"Card1", "Pet", "Ride"}) {
        EXPECT_EQ(nullptr, FindTableSeqEntry(szName)) << szName;
    }
}

// The loaded tables of this group, each with its count function.
struct Loaded
{
    const char* szName;
    tint32 (*pfnCount)();
};
const Loaded LOADED[] = {
    {"AI", &GetTable_AICount},
    {"AITrees", &GetTable_AITreesCount},
    {"AccountLevel", &GetTable_AccountLevelCount},
    {"Area", &GetTable_AreaCount},
    {"AttributeAdd", &GetTable_AttributeAddCount},
    {"BossSwing", &GetTable_BossSwingCount},
    {"CharAttr", &GetTable_CharAttrCount},
    {"CharAttr1", &GetTable_CharAttr1Count},
    {"CommonData", &GetTable_CommonDataCount},
    {"CommonDataPublic", &GetTable_CommonDataPublicCount},
    {"CoolDownTime", &GetTable_CoolDownTimeCount},
    {"EnhanceAck", &GetTable_EnhanceAckCount},
    {"EnhancePower", &GetTable_EnhancePowerCount},
    {"EquipSuit", &GetTable_EquipSuitCount},
    {"Equipment", &GetTable_EquipmentCount},
    {"Impact", &GetTable_ImpactCount},
    {"ImpactCarrier", &GetTable_ImpactCarrierCount},
    {"InitialItem", &GetTable_InitialItemCount},
    {"Item", &GetTable_ItemCount},
    {"ItemHitRate", &GetTable_ItemHitRateCount},
    {"LuaDataCS", &GetTable_LuaDataCSCount},
    {"LuaDataGS", &GetTable_LuaDataGSCount},
    {"MaxGroupCost", &GetTable_MaxGroupCostCount},
    {"MaxMonsterCost", &GetTable_MaxMonsterCostCount},
    {"Monster", &GetTable_MonsterCount},
    {"MonsterArmorBreak", &GetTable_MonsterArmorBreakCount},
    {"MonsterBirth", &GetTable_MonsterBirthCount},
    {"MonsterCountDwonTime", &GetTable_MonsterCountDwonTimeCount},
    {"MonsterGroup", &GetTable_MonsterGroupCount},
    {"MonsterMultiple", &GetTable_MonsterMultipleCount},
    {"PassiveSkill", &GetTable_PassiveSkillCount},
    {"PassiveSkillRand", &GetTable_PassiveSkillRandCount},
    {"PlayerBirthArea", &GetTable_PlayerBirthAreaCount},
    {"ReturnWayPoint", &GetTable_ReturnWayPointCount},
    {"RougelikeRule", &GetTable_RougelikeRuleCount},
    {"Scene", &GetTable_SceneCount},
    {"Skill", &GetTable_SkillCount},
    {"UsableItem", &GetTable_UsableItemCount},
    {"WayPoint", &GetTable_WayPointCount},
};

#ifdef DRAVIK_FIXTURES_EXE
using GameTableCheck::RunFixtures;

TEST(CombatItemWorldSequence, InitTableLoadsEveryTableOfTheFixtureConfig)
{
    TempWorkDir dir;
    ASSERT_EQ(0, RunFixtures("--out " + dir.Path() + " --rows 3"));
    const Table_Card1* pCard = GetTable_Card1ByIndex(0);
    const Table_Pet* pPet = GetTable_PetByIndex(0);
    const Table_Ride* pRide = GetTable_RideByIndex(0);

    EXPECT_TRUE(InitTable());
    const std::vector<std::string> lines = DBCTest::LogLines(dir, "ServerStatus.");
    ASSERT_EQ(172u, lines.size());
    EXPECT_EQ("Start Loading Table Config/AI.txt ...", lines[0]);
    EXPECT_EQ("Load Table Config/AI.txt OK", lines[1]);
    EXPECT_EQ("Start Loading Table Config/CommonData_Public.txt ...", lines[28]);
    EXPECT_EQ("Load Table Config/CommonData_Public.txt OK", lines[29]);
    EXPECT_EQ("Start Loading Table Config/Monster.txt ...", lines[94]);
    EXPECT_EQ("Load Table Config/WayPoint.txt OK", lines[165]);
    EXPECT_EQ("Load Table Config/ScrapingCard.txt OK", lines[171]);
    EXPECT_TRUE(DBCTest::AssertRecords(dir).empty());
    for (const Loaded& t : LOADED) {
        EXPECT_EQ(3, t.pfnCount()) << t.szName;
    }
    EXPECT_EQ(2, GetTable_CommonDataPublicByID(2)->GetId());

    // Start-up passes over the card, pet and ride tables, which have no file.
    EXPECT_EQ(pCard, GetTable_Card1ByIndex(0));
    EXPECT_EQ(pPet, GetTable_PetByIndex(0));
    EXPECT_EQ(pRide, GetTable_RideByIndex(0));
    for (const char* szFile : {"Config/Card1.txt", "Config/Pet.txt", "Config/Ride.txt"}) {
        EXPECT_FALSE(std::filesystem::exists(szFile)) << szFile;
    }
}

TEST(CombatItemWorldSequence, AMissingAreaFileStopsTheSequenceAtItsPlace)
{
    TempWorkDir dir;
    ASSERT_EQ(0, RunFixtures("--out " + dir.Path() + " --rows 2"));
    dir.WriteFile("Config/One.txt",
                  DBCTest::TextTable("INT\tSTRING\tINT\tINT\tINT\tINT\tINT", {"4\tx\t1\t2\t3\t4\t5"}));
    ASSERT_TRUE(InitTable_AttributeAddTable("Config/One.txt"));
    std::remove("Config/Area.txt");

    DBCTest::ExpectReportThrown([] { InitTable(); });
    const std::vector<std::string> expected = {
        "Start Loading Table Config/AI.txt ...", "Load Table Config/AI.txt OK",
        "Start Loading Table Config/AITrees.txt ...", "Load Table Config/AITrees.txt OK",
        "Start Loading Table Config/AccountLevel.txt ...", "Load Table Config/AccountLevel.txt OK",
        "Start Loading Table Config/Activity.txt ...", "Load Table Config/Activity.txt OK",
        "Start Loading Table Config/ActivityTask.txt ...", "Load Table Config/ActivityTask.txt OK",
        "Start Loading Table Config/Area.txt ...",
    };
    EXPECT_EQ(expected, DBCTest::LogLines(dir, "ServerStatus."));
    const std::vector<std::string> asserts = {
        "bool InitTable() | false | Load Table Config/Area.txt Failed",
        "bool InitTable() | false | bool InitTable()",
    };
    EXPECT_EQ(asserts, DBCTest::AssertSummary(dir));
    EXPECT_EQ(2, GetTable_AccountLevelCount());
    // The entry after the failing one is never called: its table keeps the earlier record.
    EXPECT_EQ(1, GetTable_AttributeAddCount());
    EXPECT_NE(nullptr, GetTable_AttributeAddByID(4));
}
#endif

TEST(CombatItemWorldSequence, CommonDataReloadReplacesOnlyItsOwnTable)
{
    const std::string TYPES = "INT\tSTRING\tINT\tSTRING";
    TempWorkDir dir;
    dir.WriteFile("Config/CommonData_Public.txt", DBCTest::TextTable(TYPES, {"1\tx\t100\tpublic one"}));
    ASSERT_TRUE(InitTable_CommonDataPublicTable("Config/CommonData_Public.txt"));
    dir.WriteFile("Config/CommonData.txt", DBCTest::TextTable(TYPES, {"1\tx\t11\tone", "2\tx\t22\t"}));
    ASSERT_TRUE(TableReload::ReloadCommonDataTable());
    ASSERT_EQ(2, GetTable_CommonDataCount());
    EXPECT_EQ(11, GetTable_CommonDataByID(1)->GetIntVal());
    EXPECT_EQ(DBC_EmptyString(), GetTable_CommonDataByID(2)->GetStrVal());

    // A reload holds exactly the new file's records.
    dir.WriteFile("Config/CommonData.txt", DBCTest::TextTable(TYPES, {"3\tx\t33\tthree"}));
    ASSERT_TRUE(TableReload::ReloadCommonDataTable());
    EXPECT_EQ(1, GetTable_CommonDataCount());
    EXPECT_EQ(nullptr, GetTable_CommonDataByID(1));
    EXPECT_STREQ("three", GetTable_CommonDataByID(3)->GetStrVal());

    // A file that does not open keeps the earlier records.
    std::remove("Config/CommonData.txt");
    EXPECT_FALSE(TableReload::ReloadCommonDataTable());
    EXPECT_EQ(33, GetTable_CommonDataByID(3)->GetIntVal());
    EXPECT_TRUE(DBCTest::AssertRecords(dir).empty());

    // A wrong column count: the start line only, and one more report from the reload.
    dir.WriteFile("Config/CommonData.txt", DBCTest::TextTable("INT\tSTRING\tINT", {"3\tx\t33"}));
    DBCTest::ExpectReportThrown([] { TableReload::ReloadCommonDataTable(); });

    const std::vector<std::string> lines = {
        "Start Loading Table Config/CommonData.txt ...", "Load Table Config/CommonData.txt OK",
        "Start Loading Table Config/CommonData.txt ...", "Load Table Config/CommonData.txt OK",
        "Start Loading Table Config/CommonData.txt ...", "Load Table Config/CommonData.txt Failed",
        "Start Loading Table Config/CommonData.txt ...",
    };
    EXPECT_EQ(lines, DBCTest::LogLines(dir, "ServerStatus."));
    const std::string L = "bool Table_CommonData::__Load(DBC_Loader&)";
    const std::string F = "bool InitTable_CommonDataTable(const tchar*)";
    const std::string R = "static bool TableReload::ReloadCommonDataTable()";
    const std::vector<std::string> asserts = {
        L + " | ID_TAB_CURCOL_COUNT==loader.GetFieldsNum() | CommonData Columns Differ",
        L + " | false | " + L,
        F + " | false | " + F,
        R + " | false | " + R,
    };
    EXPECT_EQ(asserts, DBCTest::AssertSummary(dir));
    const auto records = DBCTest::AssertRecords(dir);
    ASSERT_EQ(4u, records.size());
    EXPECT_EQ("Lib/libcommon/Table/Table_CommonData", records[0].strFile);
    EXPECT_EQ("Lib/libcommon/Table/TableReloadMgr", records[3].strFile);

    // The public constants were never touched.
    ASSERT_EQ(1, GetTable_CommonDataPublicCount());
    EXPECT_EQ(100, GetTable_CommonDataPublicByID(1)->GetIntVal());
    EXPECT_STREQ("public one", GetTable_CommonDataPublicByID(1)->GetStrVal());
}

// The two script tables share one layout but each has its own manager and file: loading one
// again leaves the other, and the same ID may stand in both.
TEST(CombatItemWorldSequence, TheScriptTablesKeepTheirOwnRecords)
{
    const std::string TYPES = "INT\tSTRING\tSTRING";
    TempWorkDir dir;
    dir.WriteFile("Config/LuaDataCS.txt", DBCTest::TextTable(TYPES, {"9999\tx\tclient.lua"}));
    dir.WriteFile("Config/LuaDataGS.txt", DBCTest::TextTable(TYPES, {"9999\tx\tserver.lua", "-9999\tx\tother.lua"}));
    ASSERT_TRUE(InitTable_LuaDataCSTable("Config/LuaDataCS.txt"));
    ASSERT_TRUE(InitTable_LuaDataGSTable("Config/LuaDataGS.txt"));
    ASSERT_EQ(1, GetTable_LuaDataCSCount());
    ASSERT_EQ(2, GetTable_LuaDataGSCount());
    EXPECT_STREQ("client.lua", GetTable_LuaDataCSByID(9999)->GetLuaPath());
    EXPECT_STREQ("server.lua", GetTable_LuaDataGSByID(9999)->GetLuaPath());

    dir.WriteFile("Config/LuaDataCS.txt", DBCTest::TextTable(TYPES, {"0\tx\tnew.lua"}));
    ASSERT_TRUE(InitTable_LuaDataCSTable("Config/LuaDataCS.txt"));
    EXPECT_EQ(nullptr, GetTable_LuaDataCSByID(9999));
    EXPECT_STREQ("new.lua", GetTable_LuaDataCSByID(0)->GetLuaPath());
    ASSERT_EQ(2, GetTable_LuaDataGSCount());
    EXPECT_STREQ("server.lua", GetTable_LuaDataGSByID(9999)->GetLuaPath());
    EXPECT_STREQ("other.lua", GetTable_LuaDataGSByID(-9999)->GetLuaPath());
    EXPECT_EQ(nullptr, GetTable_LuaDataGSByID(0));
    EXPECT_TRUE(DBCTest::AssertRecords(dir).empty());
}

// Each module names its own source in its reports, and __Load reports from a line other than
// the loading function's: a file of two columns is too narrow for every table of this group.
TEST(CombatItemWorldSequence, ReportsNameTheModuleAndLoadHasItsOwnLine)
{
    struct Loader
    {
        const char* szTable;
        bool (*pfnLoad)(const tchar*);
    };
    std::vector<Loader> loaders = {
        {"Card1", &InitTable_Card1Table}, {"Pet", &InitTable_PetTable}, {"Ride", &InitTable_RideTable}};
    for (const Loaded& t : LOADED) {
        const TableSeqEntry* pEntry = FindTableSeqEntry(t.szName);
        ASSERT_NE(nullptr, pEntry) << t.szName;
        ASSERT_NE(nullptr, pEntry->pfnLoad) << t.szName;
        loaders.push_back({t.szName, pEntry->pfnLoad});
    }
    for (const Loader& l : loaders) {
        SCOPED_TRACE(l.szTable);
        TempWorkDir dir;
        dir.WriteFile("Config/Narrow.txt", DBCTest::TextTable("INT\tSTRING", {"0\tx"}));
        DBCTest::ExpectReportThrown([&] { l.pfnLoad("Config/Narrow.txt"); });
        const std::vector<DBCTest::AssertRecord> records = DBCTest::AssertRecords(dir);
        ASSERT_EQ(3u, records.size());
        for (const DBCTest::AssertRecord& r : records) {
            EXPECT_EQ(std::string("Lib/libcommon/Table/Table_") + l.szTable, r.strFile);
        }
        EXPECT_EQ(std::string(l.szTable) + " Columns Differ", records[0].strMsg);
        EXPECT_EQ(std::string("bool Table_") + l.szTable + "::__Load(DBC_Loader&)", records[1].strFunc);
        EXPECT_EQ(std::string("bool InitTable_") + l.szTable + "Table(const tchar*)", records[2].strFunc);
        EXPECT_NE(records[1].strLine, records[2].strLine);
    }
}
}   // namespace
