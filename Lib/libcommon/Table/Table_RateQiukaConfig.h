#pragma once
// Table_RateQiukaConfig: qiuka rate settings.
// One record per data row of its table file, hashed in 50000 buckets (any ID), at most 50000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_RateQiukaConfig(TABLE, COL, ELEM)                                     \
    TABLE(RateQiukaConfig, HashMgrType, 50000, 50000, 4)                                \
    COL(2, ID_DROPCOUNT, INT, DropCount)                                                \
    COL(0, ID_ID, INT, Id)                                                              \
    COL(3, ID_PARM, FLOAT, Parm)

DBC_DECLARE_TABLE(RateQiukaConfig)
