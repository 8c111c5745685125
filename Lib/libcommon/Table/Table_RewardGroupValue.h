#pragma once
// Table_RewardGroupValue: reward-group values.
// One record per data row of its table file, hashed in 50 buckets (any ID), at most 50 records.
// Loaded on the main thread before any worker runs, read-only afterwards.
// 50 buckets and at most 50 records; the IDs are not bounded.

#include "DBCTableModule.h"

#define DBC_TABLE_RewardGroupValue(TABLE, COL, ELEM)                                \
    TABLE(RewardGroupValue, HashMgrType, 50, 50, 6)                                 \
    COL(0, ID_ID, INT, Id)                                                          \
    ELEM(2, ID_VALUE1, INT, Value, 0)                                               \
    ELEM(3, ID_VALUE2, INT, Value, 1)                                               \
    ELEM(4, ID_VALUE3, INT, Value, 2)                                               \
    ELEM(5, ID_VALUE4, INT, Value, 3)

DBC_DECLARE_TABLE(RewardGroupValue)
