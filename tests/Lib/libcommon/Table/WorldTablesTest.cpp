// The world tables: scenes, areas, way points, constants, script data, births and rules.
// Each table is one case below, column by column; the checks are in GameTableCheck.h.

#include "GameTableCheck.h"

#include "DBCLoader.h"
#include "DBCTestUtil.h"
#include "TempWorkDir.h"

#include "Table_Area.h"
#include "Table_CommonData.h"
#include "Table_CommonDataPublic.h"
#include "Table_LuaDataCS.h"
#include "Table_LuaDataGS.h"
#include "Table_MonsterBirth.h"
#include "Table_PlayerBirthArea.h"
#include "Table_ReturnWayPoint.h"
#include "Table_RougelikeRule.h"
#include "Table_Scene.h"
#include "Table_WayPoint.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
GameTableCheck::Expected SceneCase()
{
    typedef Table_Scene T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(Scene), GameTableCheck::SEQUENCE, 99, 100, 10, {}, {}, {}};
    e.declOrder = {7, 6, 0, 8, 9, 5, 3, 2, 4};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_TYPE, 2, INT, GetType()),
        GTC_COL(ID_SCRIPTID, 3, INT, GetScriptId()),
        GTC_COL(ID_USERMAX, 4, INT, GetUserMax()),
        GTC_COL(ID_NAVMESH, 5, STRING, GetNavMesh()),
        GTC_COL(ID_HEIGHTMIN, 6, INT, GetHeightMin()),
        GTC_COL(ID_HEIGHTMAX, 7, INT, GetHeightMax()),
        GTC_COL(ID_LENGTHX, 8, INT, GetLengthX()),
        GTC_COL(ID_LENGTHZ, 9, INT, GetLengthZ()),
    };
    return e;
}

GameTableCheck::Expected AreaCase()
{
    typedef Table_Area T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(Area), GameTableCheck::SEQUENCE, 9999, 10000, 11, {}, {}, {}};
    e.declOrder = {9, 0, 6, 8, 5, 10, 7, 2, 3, 4};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_X, 2, FLOAT, GetX()),
        GTC_COL(ID_Y, 3, FLOAT, GetY()),
        GTC_COL(ID_Z, 4, FLOAT, GetZ()),
        GTC_COL(ID_TYPE, 5, INT, GetType()),
        GTC_COL(ID_LENGTH, 6, FLOAT, GetLength()),
        GTC_COL(ID_WIDTH, 7, FLOAT, GetWidth()),
        GTC_COL(ID_RADIUS, 8, FLOAT, GetRadius()),
        GTC_COL(ID_GOROUNDTYPE, 9, INT, GetGoRoundType()),
        GTC_COL(ID_WAYPOINT, 10, STRING, GetWayPoint()),
    };
    return e;
}

GameTableCheck::Expected WayPointCase()
{
    typedef Table_WayPoint T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(WayPoint), GameTableCheck::SEQUENCE, 99999, 100000, 6, {}, {}, {}};
    e.declOrder = {5, 0, 2, 3, 4};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_POINTID1, 2, INT, GetPointID1()),
        GTC_COL(ID_X1, 3, FLOAT, GetX1()),
        GTC_COL(ID_Z1, 4, FLOAT, GetZ1()),
        GTC_COL(ID_BRANCHPOINT1, 5, STRING, GetBranchPoint1()),
    };
    return e;
}

GameTableCheck::Expected ReturnWayPointCase()
{
    typedef Table_ReturnWayPoint T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(ReturnWayPoint), GameTableCheck::SEQUENCE, 99999, 100000, 3, {}, {}, {}};
    e.declOrder = {2, 0};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_BRANCHPOINT1, 2, STRING, GetBranchPoint1()),
    };
    return e;
}

GameTableCheck::Expected CommonDataCase()
{
    typedef Table_CommonData T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(CommonData), GameTableCheck::HASH, 500, 500, 4, {}, {}, {}};
    e.declOrder = {0, 2, 3};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_INTVAL, 2, INT, GetIntVal()),
        GTC_COL(ID_STRVAL, 3, STRING, GetStrVal()),
    };
    return e;
}

GameTableCheck::Expected CommonDataPublicCase()
{
    typedef Table_CommonDataPublic T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(CommonDataPublic), GameTableCheck::HASH, 500, 500, 4, {}, {}, {}};
    e.declOrder = {0, 2, 3};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_INTVAL, 2, INT, GetIntVal()),
        GTC_COL(ID_STRVAL, 3, STRING, GetStrVal()),
    };
    return e;
}

GameTableCheck::Expected LuaDataCSCase()
{
    typedef Table_LuaDataCS T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(LuaDataCS), GameTableCheck::HASH, 9999, 10000, 3, {}, {}, {}};
    e.declOrder = {0, 2};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_LUAPATH, 2, STRING, GetLuaPath()),
    };
    return e;
}

GameTableCheck::Expected LuaDataGSCase()
{
    typedef Table_LuaDataGS T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(LuaDataGS), GameTableCheck::HASH, 9999, 10000, 3, {}, {}, {}};
    e.declOrder = {0, 2};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_LUAPATH, 2, STRING, GetLuaPath()),
    };
    return e;
}

GameTableCheck::Expected MonsterBirthCase()
{
    typedef Table_MonsterBirth T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(MonsterBirth), GameTableCheck::SEQUENCE, 99999, 100000, 21, {}, {}, {}};
    e.declOrder = {11, 7, 16, 0, 18, 2, 13, 14, 15, 17, 8, 9, 10, 12, 6, 20, 19, 3, 4, 5};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_LIST, 2, STRING, GetList()),
        GTC_COL(ID_X, 3, FLOAT, GetX()),
        GTC_COL(ID_Y, 4, FLOAT, GetY()),
        GTC_COL(ID_Z, 5, FLOAT, GetZ()),
        GTC_COL(ID_W, 6, FLOAT, GetW()),
        GTC_COL(ID_GAMEMODE, 7, INT, GetGameMode()),
        GTC_COL(ID_REGIONX, 8, STRING, GetRegionX()),
        GTC_COL(ID_REGIONY, 9, STRING, GetRegionY()),
        GTC_COL(ID_ROUGELIKETYPE, 10, INT, GetRougelikeType()),
        GTC_COL(ID_AREAID, 11, STRING, GetAreaID()),
        GTC_COL(ID_TYPE, 12, INT, GetType()),
        GTC_COL(ID_MONSTERID, 13, STRING, GetMonsterID()),
        GTC_COL(ID_MONSTERRATIO, 14, STRING, GetMonsterRatio()),
        GTC_COL(ID_MONSTERREFRESHTIME, 15, INT, GetMonsterRefreshTime()),
        GTC_COL(ID_GOROUNDTYPE, 16, INT, GetGoRoundType()),
        GTC_COL(ID_REFRESHNUM, 17, INT, GetRefreshNum()),
        GTC_COL(ID_INITIALTIME, 18, INT, GetInitialTime()),
        GTC_COL(ID_WAYPOINTID, 19, INT, GetWayPointID()),
        GTC_COL(ID_WAYPOINTDISA, 20, INT, GetWayPointDisa()),
    };
    return e;
}

GameTableCheck::Expected PlayerBirthAreaCase()
{
    typedef Table_PlayerBirthArea T;
    GameTableCheck::Expected e = {GTC_FUNCS(PlayerBirthArea),
        GameTableCheck::SEQUENCE, 99999, 100000, 7, {}, {}, {}};
    e.declOrder = {0, 2, 6, 3, 4, 5};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_SCENEID, 2, INT, GetSceneID()),
        GTC_COL(ID_X, 3, FLOAT, GetX()),
        GTC_COL(ID_Y, 4, FLOAT, GetY()),
        GTC_COL(ID_Z, 5, FLOAT, GetZ()),
        GTC_COL(ID_W, 6, FLOAT, GetW()),
    };
    return e;
}

GameTableCheck::Expected RougelikeRuleCase()
{
    typedef Table_RougelikeRule T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(RougelikeRule), GameTableCheck::SEQUENCE, 99999, 100000, 10, {}, {}, {}};
    e.declOrder = {7, 9, 5, 2, 0, 3, 6, 8, 4};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_GAMEMODE, 2, INT, GetGameMode()),
        GTC_COL(ID_MONSTERID, 3, INT, GetMonsterID()),
        GTC_COL(ID_RELATIONMONSTER, 4, STRING, GetRelationMonster()),
        GTC_COL(ID_EXCLUDEMONSTER, 5, STRING, GetExcludeMonster()),
        GTC_COL(ID_RELATIONAIRDROP, 6, STRING, GetRelationAirDrop()),
        GTC_COL(ID_EXCLUDEAIRDROP, 7, STRING, GetExcludeAirDrop()),
        GTC_COL(ID_RELATIONCOLLECTION, 8, STRING, GetRelationCollection()),
        GTC_COL(ID_EXCLUDECOLLECTION, 9, STRING, GetExcludeCollection()),
    };
    return e;
}

TEST(WorldTables, EachTableReadsItsColumnsAndKeepsItsLimits)
{
    GameTableCheck::CheckTable(SceneCase());
    GameTableCheck::CheckTable(AreaCase());
    GameTableCheck::CheckTable(WayPointCase());
    GameTableCheck::CheckTable(ReturnWayPointCase());
    GameTableCheck::CheckTable(CommonDataCase());
    GameTableCheck::CheckTable(CommonDataPublicCase());
    GameTableCheck::CheckTable(LuaDataCSCase());
    GameTableCheck::CheckTable(LuaDataGSCase());
    GameTableCheck::CheckTable(MonsterBirthCase());
    GameTableCheck::CheckTable(PlayerBirthAreaCase());
    GameTableCheck::CheckTable(RougelikeRuleCase());
}

// Every table takes as many records as its limits allow, IDs in any order.
TEST(WorldTables, EachTableLoadsAFullFile)
{
    GameTableCheck::CheckFullLoad(SceneCase());
    GameTableCheck::CheckFullLoad(AreaCase());
    GameTableCheck::CheckFullLoad(WayPointCase());
    GameTableCheck::CheckFullLoad(ReturnWayPointCase());
    GameTableCheck::CheckFullLoad(CommonDataCase());
    GameTableCheck::CheckFullLoad(CommonDataPublicCase());
    GameTableCheck::CheckFullLoad(LuaDataCSCase());
    GameTableCheck::CheckFullLoad(LuaDataGSCase());
    GameTableCheck::CheckFullLoad(MonsterBirthCase());
    GameTableCheck::CheckFullLoad(PlayerBirthAreaCase());
    GameTableCheck::CheckFullLoad(RougelikeRuleCase());
}

// Text cells come back as written, however much they look like numbers or lists; the same
// column name is a text in the monster births and a number in the rougelike rules; an empty
// number cell between others reads 0.
TEST(WorldTables, CellsComeBackAsWritten)
{
    TempWorkDir dir;
    dir.WriteFile("Config/MonsterBirth.txt",
                  DBCTest::TextTable("INT\tINT\tSTRING\tFLOAT\tFLOAT\tFLOAT\tFLOAT\tINT\tSTRING\tSTRING\tINT"
                                     "\tSTRING\tINT\tSTRING\tSTRING\tINT\tINT\tINT\tINT\tINT\tINT",
                                     {"7\tx\t1;2;3\t0.5\t-1\t2.25\t\t3\t0\t10,20\t1\t05\t2\t101,102\t0.5\t60"
                                      "\t\t4\t5\t6\t7"}));
    ASSERT_TRUE(InitTable_MonsterBirthTable("Config/MonsterBirth.txt"));
    const Table_MonsterBirth* pBirth = GetTable_MonsterBirthByID(7);
    ASSERT_NE(nullptr, pBirth);
    EXPECT_EQ(std::string("1;2;3"), pBirth->GetList());
    EXPECT_EQ(0.5f, pBirth->GetX());
    EXPECT_EQ(-1.0f, pBirth->GetY());
    EXPECT_EQ(2.25f, pBirth->GetZ());
    EXPECT_EQ(0.0f, pBirth->GetW());
    EXPECT_EQ(3, pBirth->GetGameMode());
    EXPECT_EQ(std::string("0"), pBirth->GetRegionX());
    EXPECT_EQ(std::string("10,20"), pBirth->GetRegionY());
    EXPECT_EQ(1, pBirth->GetRougelikeType());
    EXPECT_EQ(std::string("05"), pBirth->GetAreaID());
    EXPECT_EQ(2, pBirth->GetType());
    EXPECT_EQ(std::string("101,102"), pBirth->GetMonsterID());
    EXPECT_EQ(std::string("0.5"), pBirth->GetMonsterRatio());
    EXPECT_EQ(60, pBirth->GetMonsterRefreshTime());
    EXPECT_EQ(0, pBirth->GetGoRoundType());
    EXPECT_EQ(4, pBirth->GetRefreshNum());
    EXPECT_EQ(5, pBirth->GetInitialTime());
    EXPECT_EQ(6, pBirth->GetWayPointID());
    EXPECT_EQ(7, pBirth->GetWayPointDisa());

    dir.WriteFile("Config/RougelikeRule.txt",
                  DBCTest::TextTable("INT\tINT\tINT\tINT\tSTRING\tSTRING\tSTRING\tSTRING\tSTRING\tSTRING",
                                     {"8\tx\t\t1001\t1002|1003\t\t7\t0\t-\t1001"}));
    ASSERT_TRUE(InitTable_RougelikeRuleTable("Config/RougelikeRule.txt"));
    const Table_RougelikeRule* pRule = GetTable_RougelikeRuleByID(8);
    ASSERT_NE(nullptr, pRule);
    EXPECT_EQ(0, pRule->GetGameMode());
    EXPECT_EQ(1001, pRule->GetMonsterID());
    EXPECT_EQ(std::string("1002|1003"), pRule->GetRelationMonster());
    EXPECT_EQ(DBC_EmptyString(), pRule->GetExcludeMonster());
    EXPECT_EQ(std::string("7"), pRule->GetRelationAirDrop());
    EXPECT_EQ(std::string("0"), pRule->GetExcludeAirDrop());
    EXPECT_EQ(std::string("-"), pRule->GetRelationCollection());
    EXPECT_EQ(std::string("1001"), pRule->GetExcludeCollection());
    EXPECT_TRUE(DBCTest::AssertRecords(dir).empty());
}
}   // namespace
