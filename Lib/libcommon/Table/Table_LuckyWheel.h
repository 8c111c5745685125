#pragma once
// Table_LuckyWheel: lucky-wheel entries.
// One record per data row of its table file, hashed in 1999 buckets (any ID), at most 2000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_LuckyWheel(TABLE, COL, ELEM)                              \
    TABLE(LuckyWheel, HashMgrType, 1999, 2000, 5)                           \
    COL(3, ID_COUNT, INT, Count)                                            \
    COL(0, ID_ID, INT, Id)                                                  \
    COL(2, ID_ITEMID, INT, ItemID)                                          \
    COL(4, ID_PERCENT, INT, Percent)

DBC_DECLARE_TABLE(LuckyWheel)
