#pragma once
// Table_DailyBox: daily-box contents.
// One record per data row of its table file, hashed in 1999 buckets (any ID), at most 2000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_DailyBox(TABLE, COL, ELEM)                            \
    TABLE(DailyBox, HashMgrType, 1999, 2000, 5)                         \
    COL(3, ID_COUNT, STRING, Count)                                     \
    COL(0, ID_ID, INT, Id)                                              \
    COL(2, ID_ITEM, STRING, Item)                                       \
    COL(4, ID_WEIGHT, INT, Weight)

DBC_DECLARE_TABLE(DailyBox)
