#pragma once
// Table_TaskAward: task awards.
// One record per data row of its table file, hashed in 99999 buckets (any ID), at most 100000 records.
// Loaded on the main thread before any worker runs; TableReload::ReloadTaskAwardTable may load it
// again, releasing every earlier record, and must not run while another thread reads it.

#include "DBCTableModule.h"

#define DBC_TABLE_TaskAward(TABLE, COL, ELEM)                                \
    TABLE(TaskAward, HashMgrType, 99999, 100000, 7)                          \
    COL(4, ID_AWARDITEMID, STRING, AwardItemID)                              \
    COL(5, ID_AWARDITEMNUM, STRING, AwardItemNum)                            \
    COL(0, ID_ID, INT, Id)                                                   \
    COL(3, ID_IFUPDATE, INT, IfUpdate)                                       \
    COL(6, ID_MONTH, INT, Month)                                             \
    COL(2, ID_STARTNUM, INT, StartNum)

DBC_DECLARE_TABLE(TaskAward)
