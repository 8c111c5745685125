#pragma once
// Table_Activity: activities.
// One record per data row of its table file, indexed by ID (0 to 9999), at most 10000 records.
// Loaded on the main thread before any worker runs; TableReload::ReloadActivityTable may load it
// again, releasing every earlier record, and must not run while another thread reads it.
// FOPARAMETER1 has no numbered sibling, so it stays the scalar m_FOParameter1.

#include "DBCTableModule.h"

#define DBC_TABLE_Activity(TABLE, COL, ELEM)                                  \
    TABLE(Activity, SequenceMgrType, 9999, 10000, 18)                         \
    COL(5, ID_BEGINTIME, STRING, BeginTime)                                   \
    COL(6, ID_CLOSETIME, STRING, CloseTime)                                   \
    COL(10, ID_COMPLETECONDITION, STRING, CompleteCondition)                  \
    ELEM(11, ID_COMPLETEPARAMETER1, STRING, CompleteParameter, 0)             \
    ELEM(12, ID_COMPLETEPARAMETER2, STRING, CompleteParameter, 1)             \
    ELEM(13, ID_COMPLETEPARAMETER3, STRING, CompleteParameter, 2)             \
    ELEM(14, ID_COMPLETEPARAMETER4, STRING, CompleteParameter, 3)             \
    COL(17, ID_FOPARAMETER1, STRING, FOParameter1)                            \
    COL(15, ID_FAILCONDITION, STRING, FailCondition)                          \
    COL(16, ID_FAILOPERATION, STRING, FailOperation)                          \
    COL(0, ID_ID, INT, Id)                                                    \
    COL(2, ID_INFORMATICA, INT, Informatica)                                  \
    COL(4, ID_ISACTIVATION, INT, IsActivation)                                \
    COL(3, ID_ISDISPLAY, INT, IsDisplay)                                      \
    COL(7, ID_QVGOLDCOUNT, INT, QVGoldCount)                                  \
    COL(9, ID_REWARDCOUNT, STRING, RewardCount)                               \
    COL(8, ID_REWARDID, STRING, RewardID)

DBC_DECLARE_TABLE(Activity)
