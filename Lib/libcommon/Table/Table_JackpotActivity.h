#pragma once
// Table_JackpotActivity: jackpot activities.
// One record per data row of its table file, hashed in 999 buckets (any ID), at most 1000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_JackpotActivity(TABLE, COL, ELEM)                                   \
    TABLE(JackpotActivity, HashMgrType, 999, 1000, 10)                                \
    COL(2, ID_ACTIVITYNAME, STRING, ActivityName)                                     \
    COL(4, ID_CLOSETIME, STRING, CloseTime)                                           \
    COL(0, ID_ID, INT, Id)                                                            \
    COL(5, ID_LOTTERYID, INT, LotteryID)                                              \
    COL(7, ID_LOTTERYLOT, INT, LotteryLot)                                            \
    COL(6, ID_LOTTERYSINGLE, INT, LotterySingle)                                      \
    COL(3, ID_OPENTIME, STRING, OpenTime)                                             \
    COL(9, ID_POOLITEMID, STRING, PoolItemID)                                         \
    COL(8, ID_TASKID, STRING, TaskID)

DBC_DECLARE_TABLE(JackpotActivity)
