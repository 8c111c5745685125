#pragma once
// Table_BossChallenge: boss challenges.
// One record per data row of its table file, hashed in 500 buckets (any ID), at most 500 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_BossChallenge(TABLE, COL, ELEM)                               \
    TABLE(BossChallenge, HashMgrType, 500, 500, 8)                              \
    COL(3, ID_BIRTHID, INT, BirthID)                                            \
    COL(4, ID_CONTINUETIME, INT, ContinueTime)                                  \
    COL(0, ID_ID, INT, Id)                                                      \
    COL(7, ID_ITEMAWARD, STRING, ItemAward)                                     \
    COL(2, ID_MATCHID, INT, MatchID)                                            \
    COL(6, ID_STARTTIME, STRING, StartTime)                                     \
    COL(5, ID_STARTTYPE, INT, StartType)

DBC_DECLARE_TABLE(BossChallenge)
