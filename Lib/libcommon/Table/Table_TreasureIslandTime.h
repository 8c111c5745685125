#pragma once
// Table_TreasureIslandTime: treasure-island periods.
// One record per data row of its table file, hashed in 999 buckets (any ID), at most 1000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_TreasureIslandTime(TABLE, COL, ELEM)                                      \
    TABLE(TreasureIslandTime, HashMgrType, 999, 1000, 16)                                   \
    COL(14, ID_BOMBICON, STRING, BombIcon)                                                  \
    COL(15, ID_BROADCASTID, INT, BroadcastID)                                               \
    COL(8, ID_CHIPEXCHANGENUM, INT, ChipExchangeNum)                                        \
    COL(6, ID_CHIPID, INT, ChipId)                                                          \
    COL(7, ID_CHIPREWARDID, INT, ChipRewardId)                                              \
    COL(4, ID_COSTITEMID, INT, CostItemId)                                                  \
    COL(3, ID_FINISHTIME, STRING, FinishTime)                                               \
    COL(0, ID_ID, INT, Id)                                                                  \
    COL(9, ID_ISLANDSNUM, STRING, IslandsNum)                                               \
    ELEM(10, ID_NPCDIALOGUE1, STRING, NpcDialogue, 0)                                       \
    ELEM(11, ID_NPCDIALOGUE2, STRING, NpcDialogue, 1)                                       \
    ELEM(12, ID_NPCDIALOGUE3, STRING, NpcDialogue, 2)                                       \
    ELEM(13, ID_NPCDIALOGUE4, STRING, NpcDialogue, 3)                                       \
    COL(5, ID_SPECIALITEMID, INT, SpecialItemId)                                            \
    COL(2, ID_STARTTIME, STRING, StartTime)

DBC_DECLARE_TABLE(TreasureIslandTime)
