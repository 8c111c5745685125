#pragma once
// Table_NewLotteryTicket: lottery tickets.
// One record per data row of its table file, hashed in 512 buckets (any ID), at most 512 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_NewLotteryTicket(TABLE, COL, ELEM)                                   \
    TABLE(NewLotteryTicket, HashMgrType, 512, 512, 13)                                 \
    COL(2, ID_BEASCOST, INT, BeasCost)                                                 \
    COL(11, ID_BROADCASE, INT, Broadcase)                                              \
    COL(10, ID_BROADCASTMULTIPLE, INT, BroadcastMultiple)                              \
    COL(9, ID_BROADCASTQV, INT, BroadcastQV)                                           \
    COL(4, ID_COSTMAXMULTIPLE, INT, CostMaxMultiple)                                   \
    COL(3, ID_COSTMINMULTIPLE, INT, CostMinMultiple)                                   \
    COL(12, ID_DAYCOSTLIMIT, INT, DayCostLimit)                                        \
    COL(0, ID_ID, INT, Id)                                                             \
    COL(5, ID_TURNTABLENUMID, STRING, TurnTableNumID)                                  \
    COL(6, ID_TURNTABLENUMRATE, STRING, TurnTableNumRate)                              \
    COL(7, ID_TURNTABLEREWARDID, STRING, TurnTableRewardID)                            \
    COL(8, ID_TURNTABLEREWARDRATE, STRING, TurnTableRewardRate)

DBC_DECLARE_TABLE(NewLotteryTicket)
