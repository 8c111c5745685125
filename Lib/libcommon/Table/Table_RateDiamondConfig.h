#pragma once
// Table_RateDiamondConfig: diamond rate parameters.
// One record per data row of its table file, hashed in 50000 buckets (any ID), at most 50000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_RateDiamondConfig(TABLE, COL, ELEM)                                       \
    TABLE(RateDiamondConfig, HashMgrType, 50000, 50000, 4)                                  \
    ELEM(2, ID_DIAMONDPARAM1, FLOAT, DiamondParam, 0)                                       \
    ELEM(3, ID_DIAMONDPARAM2, FLOAT, DiamondParam, 1)                                       \
    COL(0, ID_ID, INT, Id)

DBC_DECLARE_TABLE(RateDiamondConfig)
