#pragma once
// Monster spawn entries: list, position and W, game mode, regions, area, type, monster ids
// and ratios (texts), refresh, go-round, initial time and way point. Loaded on the main
// thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_MonsterBirth(TABLE, COL, ELEM)                                        \
    TABLE(MonsterBirth, SequenceMgrType, 99999, 100000, 21)                             \
    COL(11, ID_AREAID, STRING, AreaID)                                                  \
    COL(7, ID_GAMEMODE, INT, GameMode)                                                  \
    COL(16, ID_GOROUNDTYPE, INT, GoRoundType)                                           \
    COL(0, ID_ID, INT, Id)                                                              \
    COL(18, ID_INITIALTIME, INT, InitialTime)                                           \
    COL(2, ID_LIST, STRING, List)                                                       \
    COL(13, ID_MONSTERID, STRING, MonsterID)                                            \
    COL(14, ID_MONSTERRATIO, STRING, MonsterRatio)                                      \
    COL(15, ID_MONSTERREFRESHTIME, INT, MonsterRefreshTime)                             \
    COL(17, ID_REFRESHNUM, INT, RefreshNum)                                             \
    COL(8, ID_REGIONX, STRING, RegionX)                                                 \
    COL(9, ID_REGIONY, STRING, RegionY)                                                 \
    COL(10, ID_ROUGELIKETYPE, INT, RougelikeType)                                       \
    COL(12, ID_TYPE, INT, Type)                                                         \
    COL(6, ID_W, FLOAT, W)                                                              \
    COL(20, ID_WAYPOINTDISA, INT, WayPointDisa)                                         \
    COL(19, ID_WAYPOINTID, INT, WayPointID)                                             \
    COL(3, ID_X, FLOAT, X)                                                              \
    COL(4, ID_Y, FLOAT, Y)                                                              \
    COL(5, ID_Z, FLOAT, Z)

DBC_DECLARE_TABLE(MonsterBirth)
