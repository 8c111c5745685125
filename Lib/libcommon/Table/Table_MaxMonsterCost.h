#pragma once
// Per ID a monster ID (a plain value), a monster maximum cost and a monster slot. Loaded
// on the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_MaxMonsterCost(TABLE, COL, ELEM)                                   \
    TABLE(MaxMonsterCost, SequenceMgrType, 99, 100, 5)                               \
    COL(0, ID_ID, INT, Id)                                                           \
    COL(2, ID_MONSTERID, INT, MonsterID)                                             \
    COL(3, ID_MONSTERMAXCOST, INT, MonsterMaxCost)                                   \
    COL(4, ID_MONSTERSLOT, INT, MonsterSlot)

DBC_DECLARE_TABLE(MaxMonsterCost)
