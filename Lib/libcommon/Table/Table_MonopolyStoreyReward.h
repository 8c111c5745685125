#pragma once
// Table_MonopolyStoreyReward: board-walk storey rewards.
// One record per data row of its table file, hashed in 9999 buckets (any ID), at most 10000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_MonopolyStoreyReward(TABLE, COL, ELEM)                                          \
    TABLE(MonopolyStoreyReward, HashMgrType, 9999, 10000, 11)                                     \
    COL(0, ID_ID, INT, Id)                                                                        \
    ELEM(4, ID_NUM1, INT, Num, 0)                                                                 \
    ELEM(6, ID_NUM2, INT, Num, 1)                                                                 \
    ELEM(8, ID_NUM3, INT, Num, 2)                                                                 \
    ELEM(10, ID_NUM4, INT, Num, 3)                                                                \
    ELEM(3, ID_REWARD1, INT, Reward, 0)                                                           \
    ELEM(5, ID_REWARD2, INT, Reward, 1)                                                           \
    ELEM(7, ID_REWARD3, INT, Reward, 2)                                                           \
    ELEM(9, ID_REWARD4, INT, Reward, 3)                                                           \
    COL(2, ID_STOREYNUM, INT, StoreyNum)

DBC_DECLARE_TABLE(MonopolyStoreyReward)
