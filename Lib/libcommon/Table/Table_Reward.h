#pragma once
// Table_Reward: reward entries.
// One record per data row of its table file, hashed in 8191 buckets (any ID), at most 8192 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_Reward(TABLE, COL, ELEM)                           \
    TABLE(Reward, HashMgrType, 8191, 8192, 14)                       \
    ELEM(7, ID_CONTROLPROBABILITY1, INT, ControlProbability, 0)      \
    ELEM(8, ID_CONTROLPROBABILITY2, INT, ControlProbability, 1)      \
    ELEM(9, ID_CONTROLPROBABILITY3, INT, ControlProbability, 2)      \
    ELEM(10, ID_CONTROLPROBABILITY4, INT, ControlProbability, 3)     \
    COL(0, ID_ID, INT, Id)                                           \
    COL(2, ID_ITEMID, INT, ItemId)                                   \
    COL(3, ID_NUM, INT, Num)                                         \
    COL(5, ID_NUMMAX, INT, NumMax)                                   \
    COL(4, ID_NUMMIN, INT, NumMin)                                   \
    COL(6, ID_PROBABILITY, INT, Probability)                         \
    COL(11, ID_QIUKAADJUSTID, INT, QiukaAdjustID)                    \
    COL(13, ID_TIMES, INT, Times)                                    \
    COL(12, ID_WHEELTYPE, INT, WheelType)

DBC_DECLARE_TABLE(Reward)
