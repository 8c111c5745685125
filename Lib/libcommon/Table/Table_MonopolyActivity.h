#pragma once
// Table_MonopolyActivity: board-walk activities.
// One record per data row of its table file, hashed in 999 buckets (any ID), at most 1000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_MonopolyActivity(TABLE, COL, ELEM)                                    \
    TABLE(MonopolyActivity, HashMgrType, 999, 1000, 12)                                 \
    COL(2, ID_ACTIVITYNAME, STRING, ActivityName)                                       \
    COL(11, ID_BROADCASE, INT, Broadcase)                                               \
    COL(10, ID_BROADCASEREWARD, STRING, BroadcaseReward)                                \
    COL(4, ID_CLOSETIME, STRING, CloseTime)                                             \
    COL(5, ID_COSTITEM, INT, CostItem)                                                  \
    COL(6, ID_COSTNUM, INT, CostNum)                                                    \
    COL(7, ID_GRIDNUM, INT, GridNum)                                                    \
    COL(0, ID_ID, INT, Id)                                                              \
    COL(8, ID_MAXSTOREY, INT, MaxStorey)                                                \
    COL(3, ID_OPENTIME, STRING, OpenTime)                                               \
    COL(9, ID_TASKID, STRING, TaskID)

DBC_DECLARE_TABLE(MonopolyActivity)
