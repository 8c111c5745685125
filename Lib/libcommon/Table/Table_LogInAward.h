#pragma once
// Table_LogInAward: login awards.
// One record per data row of its table file, indexed by ID (0 to 99999), at most 100000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_LogInAward(TABLE, COL, ELEM)                                     \
    TABLE(LogInAward, SequenceMgrType, 99999, 100000, 7)                           \
    COL(2, ID_DAYNUM, STRING, DayNum)                                              \
    COL(5, ID_DIAMONDNUM, INT, DiamondNum)                                         \
    COL(0, ID_ID, INT, Id)                                                         \
    COL(3, ID_ITEMID, STRING, ItemId)                                              \
    COL(4, ID_ITEMNUM, STRING, ItemNum)                                            \
    COL(6, ID_LOCALID, INT, LocalID)

DBC_DECLARE_TABLE(LogInAward)
