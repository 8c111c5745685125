#pragma once
// Per ID an attack number, an added and a maximum multiple and a hit rate. Loaded on the
// main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_MonsterMultiple(TABLE, COL, ELEM)                                        \
    TABLE(MonsterMultiple, SequenceMgrType, 9999, 10000, 6)                                \
    COL(3, ID_ADDMULTIPLE, INT, AddMultiple)                                               \
    COL(2, ID_ATTACKNUM, INT, AttackNum)                                                   \
    COL(5, ID_HITEDRATE, INT, HitedRate)                                                   \
    COL(0, ID_ID, INT, Id)                                                                 \
    COL(4, ID_MAXMULTIPLE, INT, MaxMultiple)

DBC_DECLARE_TABLE(MonsterMultiple)
