#pragma once
// Monster groups: game mode, ratios, types, monster ids and ratios (whole texts), count,
// radius, hate link and result. GetCount() is the COUNT column, not the number of records.
// Loaded on the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_MonsterGroup(TABLE, COL, ELEM)                                        \
    TABLE(MonsterGroup, SequenceMgrType, 99999, 100000, 12)                             \
    COL(8, ID_COUNT, INT, Count)                                                        \
    COL(2, ID_GAMEMODE, INT, GameMode)                                                  \
    COL(5, ID_GENERATETYPE, INT, GenerateType)                                          \
    COL(3, ID_GROUPRATIO, INT, GroupRatio)                                              \
    COL(10, ID_HATELINK, INT, HateLink)                                                 \
    COL(0, ID_ID, INT, Id)                                                              \
    COL(6, ID_MONSTERID, STRING, MonsterID)                                             \
    COL(9, ID_RADIUS, FLOAT, Radius)                                                    \
    COL(7, ID_RATIO, STRING, Ratio)                                                     \
    COL(11, ID_RESULT, INT, Result)                                                     \
    COL(4, ID_TYPE, INT, Type)

DBC_DECLARE_TABLE(MonsterGroup)
