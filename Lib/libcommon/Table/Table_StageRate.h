#pragma once
// Table_StageRate: stage rates.
// One record per data row of its table file, hashed in 500 buckets (any ID), at most 500 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_StageRate(TABLE, COL, ELEM)                           \
    TABLE(StageRate, HashMgrType, 500, 500, 5)                          \
    COL(3, ID_DAILYACC, STRING, DailyAcc)                               \
    COL(0, ID_ID, INT, Id)                                              \
    COL(2, ID_MATCHTBLID, INT, MatchTblId)                              \
    COL(4, ID_RATE, INT, Rate)

DBC_DECLARE_TABLE(StageRate)
