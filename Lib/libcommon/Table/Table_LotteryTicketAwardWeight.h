#pragma once
// Table_LotteryTicketAwardWeight: lottery award weights.
// One record per data row of its table file, indexed by ID (0 to 9999), at most 10000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_LotteryTicketAwardWeight(TABLE, COL, ELEM)                                                 \
    TABLE(LotteryTicketAwardWeight, SequenceMgrType, 9999, 10000, 5)                                         \
    COL(2, ID_AWARDWEIGHT, INT, AwardWeight)                                                                 \
    COL(3, ID_DAILYRET, INT, DailyRet)                                                                       \
    COL(0, ID_ID, INT, Id)                                                                                   \
    COL(4, ID_WEEKLYRET, INT, WeeklyRet)

DBC_DECLARE_TABLE(LotteryTicketAwardWeight)
