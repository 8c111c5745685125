#pragma once
// Table_BoonCard: boon cards.
// One record per data row of its table file, hashed in 99999 buckets (any ID), at most 20000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_BoonCard(TABLE, COL, ELEM)                              \
    TABLE(BoonCard, HashMgrType, 99999, 20000, 8)                         \
    COL(4, ID_BATTLEEXPADD, INT, BattleExpAdd)                            \
    COL(6, ID_BATTLEEXPLIMITADD, INT, BattleExpLimitAdd)                  \
    COL(3, ID_BATTLEMONEYADD, INT, BattleMoneyAdd)                        \
    COL(5, ID_BATTLEMONEYLIMITADD, INT, BattleMoneyLimitAdd)              \
    COL(0, ID_ID, INT, Id)                                                \
    COL(7, ID_MAILITEM, STRING, MailItem)                                 \
    COL(2, ID_TIME, INT, Time)

DBC_DECLARE_TABLE(BoonCard)
