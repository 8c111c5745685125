#pragma once
// Table_TreasureIslandReward: treasure-island rewards.
// One record per data row of its table file, hashed in 512 buckets (any ID), at most 512 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_TreasureIslandReward(TABLE, COL, ELEM)                                      \
    TABLE(TreasureIslandReward, HashMgrType, 512, 512, 5)                                     \
    COL(0, ID_ID, INT, Id)                                                                    \
    COL(4, ID_ITEMCOUNT, INT, ItemCount)                                                      \
    COL(3, ID_ITEMID, INT, ItemId)                                                            \
    COL(2, ID_TYPE, INT, Type)

DBC_DECLARE_TABLE(TreasureIslandReward)
