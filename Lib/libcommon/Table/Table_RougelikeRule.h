#pragma once
// Rules of the rougelike mode: game mode, monster id and six texts that relate or exclude
// monsters, air drops and collections. Loaded on the main thread at start-up, read-only
// afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_RougelikeRule(TABLE, COL, ELEM)                                         \
    TABLE(RougelikeRule, SequenceMgrType, 99999, 100000, 10)                              \
    COL(7, ID_EXCLUDEAIRDROP, STRING, ExcludeAirDrop)                                     \
    COL(9, ID_EXCLUDECOLLECTION, STRING, ExcludeCollection)                               \
    COL(5, ID_EXCLUDEMONSTER, STRING, ExcludeMonster)                                     \
    COL(2, ID_GAMEMODE, INT, GameMode)                                                    \
    COL(0, ID_ID, INT, Id)                                                                \
    COL(3, ID_MONSTERID, INT, MonsterID)                                                  \
    COL(6, ID_RELATIONAIRDROP, STRING, RelationAirDrop)                                   \
    COL(8, ID_RELATIONCOLLECTION, STRING, RelationCollection)                             \
    COL(4, ID_RELATIONMONSTER, STRING, RelationMonster)

DBC_DECLARE_TABLE(RougelikeRule)
