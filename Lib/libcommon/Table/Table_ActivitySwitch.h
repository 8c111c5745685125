#pragma once
// Table_ActivitySwitch: activity switches.
// One record per data row of its table file, hashed in 100 buckets (any ID), at most 512 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_ActivitySwitch(TABLE, COL, ELEM)                                 \
    TABLE(ActivitySwitch, HashMgrType, 100, 512, 11)                               \
    COL(10, ID_CLOSEREWARD, STRING, CloseReward)                                   \
    COL(5, ID_CONDITIONDATA, STRING, ConditionData)                                \
    COL(3, ID_CONDITIONTYPE, STRING, ConditionType)                                \
    COL(4, ID_CONNECTION, STRING, Connection)                                      \
    COL(6, ID_DATE, STRING, Date)                                                  \
    COL(0, ID_ID, INT, Id)                                                         \
    COL(2, ID_ONOFF, INT, Onoff)                                                   \
    COL(9, ID_OPENREWARD, STRING, OpenReward)                                      \
    COL(8, ID_TIMEDATA, STRING, TimeData)                                          \
    COL(7, ID_TIMETYPE, INT, TimeType)

DBC_DECLARE_TABLE(ActivitySwitch)
