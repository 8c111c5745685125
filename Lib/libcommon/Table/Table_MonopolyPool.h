#pragma once
// Table_MonopolyPool: the board-walk reward pool.
// One record per data row of its table file, hashed in 10000 buckets (any ID), at most 10000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_MonopolyPool(TABLE, COL, ELEM)                                  \
    TABLE(MonopolyPool, HashMgrType, 10000, 10000, 7)                             \
    COL(0, ID_ID, INT, Id)                                                        \
    COL(6, ID_ISPACKET, INT, IsPacket)                                            \
    COL(5, ID_QUALITY, INT, Quality)                                              \
    COL(2, ID_REWARDID, INT, RewardID)                                            \
    COL(3, ID_REWARDICON, STRING, RewardIcon)                                     \
    COL(4, ID_REWARDNUM, INT, RewardNum)

DBC_DECLARE_TABLE(MonopolyPool)
