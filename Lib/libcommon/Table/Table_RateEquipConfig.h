#pragma once
// Table_RateEquipConfig: equipment rate settings.
// One record per data row of its table file, hashed in 50000 buckets (any ID), at most 50000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_RateEquipConfig(TABLE, COL, ELEM)                                     \
    TABLE(RateEquipConfig, HashMgrType, 50000, 50000, 4)                                \
    COL(2, ID_EQUIPDROPCOUNT, STRING, EquipDropCount)                                   \
    COL(3, ID_EQUIPPARAM, STRING, EquipParam)                                           \
    COL(0, ID_ID, INT, Id)

DBC_DECLARE_TABLE(RateEquipConfig)
