#pragma once
// Table_Discount: discounts: rate, weight and day limit, all texts.
// One record per data row of its table file, hashed in 999 buckets (any ID), at most 1000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_Discount(TABLE, COL, ELEM)                           \
    TABLE(Discount, HashMgrType, 999, 1000, 5)                         \
    COL(0, ID_ID, INT, Id)                                             \
    COL(4, ID_LIMITDAY, STRING, LimitDay)                              \
    COL(2, ID_RATE, STRING, Rate)                                      \
    COL(3, ID_WEIGHT, STRING, Weight)

DBC_DECLARE_TABLE(Discount)
