#pragma once
// Table_LotteryTicketAward: lottery-ticket awards.
// One record per data row of its table file, indexed by ID (0 to 9999), at most 10000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_LotteryTicketAward(TABLE, COL, ELEM)                                            \
    TABLE(LotteryTicketAward, SequenceMgrType, 9999, 10000, 10)                                   \
    COL(7, ID_AWARDID, INT, AwardID)                                                              \
    COL(8, ID_AWARDNUM, INT, AwardNum)                                                            \
    COL(4, ID_GROUP, INT, Group)                                                                  \
    COL(9, ID_HIGHLIGHT, INT, HighLight)                                                          \
    COL(0, ID_ID, INT, Id)                                                                        \
    COL(3, ID_MATCHID, INT, MatchID)                                                              \
    COL(2, ID_NAME, INT, Name)                                                                    \
    COL(6, ID_ORDER, INT, Order)                                                                  \
    COL(5, ID_TICKETNUM, INT, TicketNum)

DBC_DECLARE_TABLE(LotteryTicketAward)
