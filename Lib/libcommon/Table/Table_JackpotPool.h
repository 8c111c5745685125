#pragma once
// Table_JackpotPool: the jackpot pool.
// One record per data row of its table file, hashed in 99999 buckets (any ID), at most 10000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.
// Column 0 is ECA_ID: the record's ID is m_ECAId (enumerator ID_ECA_ID).

#include "DBCTableModule.h"

#define DBC_TABLE_JackpotPool(TABLE, COL, ELEM)                                 \
    TABLE(JackpotPool, HashMgrType, 99999, 10000, 8)                            \
    COL(7, ID_BROADCAST, INT, Broadcast)                                        \
    COL(0, ID_ECA_ID, INT, ECAId)                                               \
    COL(5, ID_ISQVREWARD, INT, IsQVReward)                                      \
    COL(6, ID_ISRARE, INT, IsRare)                                              \
    COL(2, ID_ITEMID, INT, ItemID)                                              \
    COL(4, ID_ITEMNAME, STRING, ItemName)                                       \
    COL(3, ID_ITEMNUM, INT, ItemNum)

DBC_DECLARE_TABLE(JackpotPool)
