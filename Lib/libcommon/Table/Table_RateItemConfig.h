#pragma once
// Table_RateItemConfig: item rate parameters.
// One record per data row of its table file, hashed in 50000 buckets (any ID), at most 50000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_RateItemConfig(TABLE, COL, ELEM)                                    \
    TABLE(RateItemConfig, HashMgrType, 50000, 50000, 6)                               \
    COL(0, ID_ID, INT, Id)                                                            \
    COL(3, ID_ITEMID, INT, ItemID)                                                    \
    ELEM(4, ID_ITEMPARAM1, FLOAT, ItemParam, 0)                                       \
    ELEM(5, ID_ITEMPARAM2, FLOAT, ItemParam, 1)                                       \
    COL(2, ID_MATCHID, INT, MatchID)

DBC_DECLARE_TABLE(RateItemConfig)
