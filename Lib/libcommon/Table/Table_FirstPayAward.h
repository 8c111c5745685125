#pragma once
// Table_FirstPayAward: the awards of a first payment by sex.
// One record per data row of its table file, indexed by ID (0 to 9999), at most 10000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_FirstPayAward(TABLE, COL, ELEM)                                      \
    TABLE(FirstPayAward, SequenceMgrType, 9999, 10000, 5)                              \
    COL(0, ID_ID, INT, Id)                                                             \
    COL(3, ID_ITEMID, STRING, ItemId)                                                  \
    COL(4, ID_ITEMNUM, STRING, ItemNum)                                                \
    COL(2, ID_SEX, INT, Sex)

DBC_DECLARE_TABLE(FirstPayAward)
