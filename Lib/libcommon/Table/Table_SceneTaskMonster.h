#pragma once
// Table_SceneTaskMonster: scene-task monsters.
// One record per data row of its table file, indexed by ID (0 to 9999), at most 10000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_SceneTaskMonster(TABLE, COL, ELEM)                                         \
    TABLE(SceneTaskMonster, SequenceMgrType, 9999, 10000, 7)                                 \
    COL(3, ID_DIFFICULTY, INT, Difficulty)                                                   \
    COL(0, ID_ID, INT, Id)                                                                   \
    COL(2, ID_MATCHID, INT, MatchID)                                                         \
    COL(4, ID_MONSTERID, INT, MonsterID)                                                     \
    COL(5, ID_MONSTERNUM, INT, MonsterNum)                                                   \
    COL(6, ID_WEIGHT, INT, Weight)

DBC_DECLARE_TABLE(SceneTaskMonster)
