#pragma once
// Table_NewLotteryTicketReward: lottery-ticket rewards.
// One record per data row of its table file, hashed in 512 buckets (any ID), at most 512 records.
// Loaded on the main thread before any worker runs, read-only afterwards.
// Members in the declared order AwardID, AwardNum, Id, Type, Position (Type before
// Position), not by name; __Load reads them so.

#include "DBCTableModule.h"

#define DBC_TABLE_NewLotteryTicketReward(TABLE, COL, ELEM)                                        \
    TABLE(NewLotteryTicketReward, HashMgrType, 512, 512, 6)                                       \
    COL(4, ID_AWARDID, INT, AwardID)                                                              \
    COL(5, ID_AWARDNUM, INT, AwardNum)                                                            \
    COL(0, ID_ID, INT, Id)                                                                        \
    COL(2, ID_TYPE, INT, Type)                                                                    \
    COL(3, ID_POSITION, INT, Position)

DBC_DECLARE_TABLE(NewLotteryTicketReward)
