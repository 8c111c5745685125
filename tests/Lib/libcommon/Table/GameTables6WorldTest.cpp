// The world tables: scenes, areas, way points, constants, script data, births and rules.
// Each table is one case below, written from its column table; the checks are in
// GameTableCheck.h.

#include "GameTableCheck.h"

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

namespace
{
GameTableCheck::Expected SceneCase()
{
    typedef Table_Scene T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(Scene), "Config/Scene.txt", GameTableCheck::SEQUENCE, 99, 100, 10, {}, {}, {}};
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
        GTC_FUNCS(Area), "Config/Area.txt", GameTableCheck::SEQUENCE, 9999, 10000, 11, {}, {}, {}};
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
        GTC_FUNCS(WayPoint), "Config/WayPoint.txt", GameTableCheck::SEQUENCE, 99999, 100000, 6, {}, {}, {}};
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
        GTC_FUNCS(ReturnWayPoint), "Config/ReturnWayPoint.txt", GameTableCheck::SEQUENCE, 99999, 100000, 3, {}, {}, {}};
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
        GTC_FUNCS(CommonData), "Config/CommonData.txt", GameTableCheck::HASH, 500, 500, 4, {}, {}, {}};
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
        GTC_FUNCS(CommonDataPublic), "Config/CommonData_Public.txt", GameTableCheck::HASH, 500, 500, 4, {}, {}, {}};
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
        GTC_FUNCS(LuaDataCS), "Config/LuaDataCS.txt", GameTableCheck::HASH, 9999, 10000, 3, {}, {}, {}};
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
        GTC_FUNCS(LuaDataGS), "Config/LuaDataGS.txt", GameTableCheck::HASH, 9999, 10000, 3, {}, {}, {}};
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
        GTC_FUNCS(MonsterBirth), "Config/MonsterBirth.txt", GameTableCheck::SEQUENCE, 99999, 100000, 21, {}, {}, {}};
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
    GameTableCheck::Expected e = {GTC_FUNCS(PlayerBirthArea), "Config/PlayerBirthArea.txt",
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
        GTC_FUNCS(RougelikeRule), "Config/RougelikeRule.txt", GameTableCheck::SEQUENCE, 99999, 100000, 10, {}, {}, {}};
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
}   // namespace
