// The world tables: scenes, areas, way points, constants, script data, births and rules.
// Each table is one case below, written from its column table; the checks are in
// GameTables6TestUtil.h.

#include "GameTables6TestUtil.h"

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
GT6::TableCase SceneCase()
{
    typedef Table_Scene T;
    GT6::TableCase c = {GT6_FUNCS(Scene), "Config/Scene.txt", GT6::SEQUENCE, 99, 100, 10, {}, {}};
    c.columns = {
        GT6_COL(ID_HEIGHTMAX, 7, INT, GetHeightMax()),
        GT6_COL(ID_HEIGHTMIN, 6, INT, GetHeightMin()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_LENGTHX, 8, INT, GetLengthX()),
        GT6_COL(ID_LENGTHZ, 9, INT, GetLengthZ()),
        GT6_COL(ID_NAVMESH, 5, STRING, GetNavMesh()),
        GT6_COL(ID_SCRIPTID, 3, INT, GetScriptId()),
        GT6_COL(ID_TYPE, 2, INT, GetType()),
        GT6_COL(ID_USERMAX, 4, INT, GetUserMax()),
    };
    return c;
}

GT6::TableCase AreaCase()
{
    typedef Table_Area T;
    GT6::TableCase c = {GT6_FUNCS(Area), "Config/Area.txt", GT6::SEQUENCE, 9999, 10000, 11, {}, {}};
    c.columns = {
        GT6_COL(ID_GOROUNDTYPE, 9, INT, GetGoRoundType()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_LENGTH, 6, FLOAT, GetLength()),
        GT6_COL(ID_RADIUS, 8, FLOAT, GetRadius()),
        GT6_COL(ID_TYPE, 5, INT, GetType()),
        GT6_COL(ID_WAYPOINT, 10, STRING, GetWayPoint()),
        GT6_COL(ID_WIDTH, 7, FLOAT, GetWidth()),
        GT6_COL(ID_X, 2, FLOAT, GetX()),
        GT6_COL(ID_Y, 3, FLOAT, GetY()),
        GT6_COL(ID_Z, 4, FLOAT, GetZ()),
    };
    return c;
}

GT6::TableCase WayPointCase()
{
    typedef Table_WayPoint T;
    GT6::TableCase c = {GT6_FUNCS(WayPoint), "Config/WayPoint.txt", GT6::SEQUENCE, 99999, 100000, 6, {}, {}};
    c.columns = {
        GT6_COL(ID_BRANCHPOINT1, 5, STRING, GetBranchPoint1()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_POINTID1, 2, INT, GetPointID1()),
        GT6_COL(ID_X1, 3, FLOAT, GetX1()),
        GT6_COL(ID_Z1, 4, FLOAT, GetZ1()),
    };
    return c;
}

GT6::TableCase ReturnWayPointCase()
{
    typedef Table_ReturnWayPoint T;
    GT6::TableCase c = {GT6_FUNCS(ReturnWayPoint), "Config/ReturnWayPoint.txt", GT6::SEQUENCE, 99999, 100000, 3, {}, {}};
    c.columns = {
        GT6_COL(ID_BRANCHPOINT1, 2, STRING, GetBranchPoint1()),
        GT6_COL(ID_ID, 0, INT, GetId()),
    };
    return c;
}

GT6::TableCase CommonDataCase()
{
    typedef Table_CommonData T;
    GT6::TableCase c = {GT6_FUNCS(CommonData), "Config/CommonData.txt", GT6::HASH, 500, 500, 4, {}, {}};
    c.columns = {
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_INTVAL, 2, INT, GetIntVal()),
        GT6_COL(ID_STRVAL, 3, STRING, GetStrVal()),
    };
    return c;
}

GT6::TableCase CommonDataPublicCase()
{
    typedef Table_CommonDataPublic T;
    GT6::TableCase c = {GT6_FUNCS(CommonDataPublic), "Config/CommonData_Public.txt", GT6::HASH, 500, 500, 4, {}, {}};
    c.columns = {
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_INTVAL, 2, INT, GetIntVal()),
        GT6_COL(ID_STRVAL, 3, STRING, GetStrVal()),
    };
    return c;
}

GT6::TableCase LuaDataCSCase()
{
    typedef Table_LuaDataCS T;
    GT6::TableCase c = {GT6_FUNCS(LuaDataCS), "Config/LuaDataCS.txt", GT6::HASH, 9999, 10000, 3, {}, {}};
    c.columns = {
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_LUAPATH, 2, STRING, GetLuaPath()),
    };
    return c;
}

GT6::TableCase LuaDataGSCase()
{
    typedef Table_LuaDataGS T;
    GT6::TableCase c = {GT6_FUNCS(LuaDataGS), "Config/LuaDataGS.txt", GT6::HASH, 9999, 10000, 3, {}, {}};
    c.columns = {
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_LUAPATH, 2, STRING, GetLuaPath()),
    };
    return c;
}

GT6::TableCase MonsterBirthCase()
{
    typedef Table_MonsterBirth T;
    GT6::TableCase c = {GT6_FUNCS(MonsterBirth), "Config/MonsterBirth.txt", GT6::SEQUENCE, 99999, 100000, 21, {}, {}};
    c.columns = {
        GT6_COL(ID_AREAID, 11, STRING, GetAreaID()),
        GT6_COL(ID_GAMEMODE, 7, INT, GetGameMode()),
        GT6_COL(ID_GOROUNDTYPE, 16, INT, GetGoRoundType()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_INITIALTIME, 18, INT, GetInitialTime()),
        GT6_COL(ID_LIST, 2, STRING, GetList()),
        GT6_COL(ID_MONSTERID, 13, STRING, GetMonsterID()),
        GT6_COL(ID_MONSTERRATIO, 14, STRING, GetMonsterRatio()),
        GT6_COL(ID_MONSTERREFRESHTIME, 15, INT, GetMonsterRefreshTime()),
        GT6_COL(ID_REFRESHNUM, 17, INT, GetRefreshNum()),
        GT6_COL(ID_REGIONX, 8, STRING, GetRegionX()),
        GT6_COL(ID_REGIONY, 9, STRING, GetRegionY()),
        GT6_COL(ID_ROUGELIKETYPE, 10, INT, GetRougelikeType()),
        GT6_COL(ID_TYPE, 12, INT, GetType()),
        GT6_COL(ID_W, 6, FLOAT, GetW()),
        GT6_COL(ID_WAYPOINTDISA, 20, INT, GetWayPointDisa()),
        GT6_COL(ID_WAYPOINTID, 19, INT, GetWayPointID()),
        GT6_COL(ID_X, 3, FLOAT, GetX()),
        GT6_COL(ID_Y, 4, FLOAT, GetY()),
        GT6_COL(ID_Z, 5, FLOAT, GetZ()),
    };
    return c;
}

GT6::TableCase PlayerBirthAreaCase()
{
    typedef Table_PlayerBirthArea T;
    GT6::TableCase c = {GT6_FUNCS(PlayerBirthArea), "Config/PlayerBirthArea.txt", GT6::SEQUENCE, 99999, 100000, 7, {}, {}};
    c.columns = {
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_SCENEID, 2, INT, GetSceneID()),
        GT6_COL(ID_W, 6, FLOAT, GetW()),
        GT6_COL(ID_X, 3, FLOAT, GetX()),
        GT6_COL(ID_Y, 4, FLOAT, GetY()),
        GT6_COL(ID_Z, 5, FLOAT, GetZ()),
    };
    return c;
}

GT6::TableCase RougelikeRuleCase()
{
    typedef Table_RougelikeRule T;
    GT6::TableCase c = {GT6_FUNCS(RougelikeRule), "Config/RougelikeRule.txt", GT6::SEQUENCE, 99999, 100000, 10, {}, {}};
    c.columns = {
        GT6_COL(ID_EXCLUDEAIRDROP, 7, STRING, GetExcludeAirDrop()),
        GT6_COL(ID_EXCLUDECOLLECTION, 9, STRING, GetExcludeCollection()),
        GT6_COL(ID_EXCLUDEMONSTER, 5, STRING, GetExcludeMonster()),
        GT6_COL(ID_GAMEMODE, 2, INT, GetGameMode()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_MONSTERID, 3, INT, GetMonsterID()),
        GT6_COL(ID_RELATIONAIRDROP, 6, STRING, GetRelationAirDrop()),
        GT6_COL(ID_RELATIONCOLLECTION, 8, STRING, GetRelationCollection()),
        GT6_COL(ID_RELATIONMONSTER, 4, STRING, GetRelationMonster()),
    };
    return c;
}

TEST(WorldTables, EachTableReadsItsColumnsAndKeepsItsLimits)
{
    GT6::CheckTable(SceneCase());
    GT6::CheckTable(AreaCase());
    GT6::CheckTable(WayPointCase());
    GT6::CheckTable(ReturnWayPointCase());
    GT6::CheckTable(CommonDataCase());
    GT6::CheckTable(CommonDataPublicCase());
    GT6::CheckTable(LuaDataCSCase());
    GT6::CheckTable(LuaDataGSCase());
    GT6::CheckTable(MonsterBirthCase());
    GT6::CheckTable(PlayerBirthAreaCase());
    GT6::CheckTable(RougelikeRuleCase());
}
}   // namespace
