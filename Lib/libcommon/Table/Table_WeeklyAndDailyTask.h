#pragma once
// Table_WeeklyAndDailyTask: weekly and daily tasks.
// One record per data row of its table file, hashed in 99999 buckets (any ID), at most 100000 records.
// Loaded on the main thread before any worker runs; TableReload::ReloadWeeklyAndDailyTaskTable may load it
// again, releasing every earlier record, and must not run while another thread reads it.

#include "DBCTableModule.h"

#define DBC_TABLE_WeeklyAndDailyTask(TABLE, COL, ELEM)                                          \
    TABLE(WeeklyAndDailyTask, HashMgrType, 99999, 100000, 15)                                   \
    COL(7, ID_AWARDITEMID, INT, AwardItemID)                                                    \
    COL(8, ID_AWARDITEMNUM, INT, AwardItemNum)                                                  \
    COL(9, ID_COMPLETECONDITION, STRING, CompleteCondition)                                     \
    ELEM(10, ID_COMPLETEPARAMETER1, STRING, CompleteParameter, 0)                               \
    ELEM(11, ID_COMPLETEPARAMETER2, STRING, CompleteParameter, 1)                               \
    ELEM(12, ID_COMPLETEPARAMETER3, STRING, CompleteParameter, 2)                               \
    ELEM(13, ID_COMPLETEPARAMETER4, STRING, CompleteParameter, 3)                               \
    ELEM(14, ID_COMPLETEPARAMETER5, STRING, CompleteParameter, 4)                               \
    COL(0, ID_ID, INT, Id)                                                                      \
    COL(3, ID_NUMMAX, INT, NumMax)                                                              \
    COL(6, ID_STARNUM, INT, StarNum)                                                            \
    COL(2, ID_TASKTXT, STRING, TaskTxt)                                                         \
    COL(4, ID_TASKTYPE, INT, TaskType)                                                          \
    COL(5, ID_WEEKID, INT, WeekID)

DBC_DECLARE_TABLE(WeeklyAndDailyTask)
