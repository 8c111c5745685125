#pragma once
// Table_TreasureIsland: treasure-island entries.
// One record per data row of its table file, hashed in 512 buckets (any ID), at most 512 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_TreasureIsland(TABLE, COL, ELEM)                                 \
    TABLE(TreasureIsland, HashMgrType, 512, 512, 10)                               \
    COL(9, ID_BOMBHURTNUM, INT, BombHurtNum)                                       \
    COL(8, ID_COST, INT, Cost)                                                     \
    COL(7, ID_COSTITEMID, INT, CostItemId)                                         \
    COL(0, ID_ID, INT, Id)                                                         \
    COL(3, ID_POSITIONX, INT, PositionX)                                           \
    COL(4, ID_POSITIONY, INT, PositionY)                                           \
    COL(5, ID_REWARDS, STRING, Rewards)                                            \
    COL(2, ID_TYPE, INT, Type)                                                     \
    COL(6, ID_WEIGHT, STRING, Weight)

DBC_DECLARE_TABLE(TreasureIsland)
