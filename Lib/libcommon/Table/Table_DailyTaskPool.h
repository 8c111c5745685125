#pragma once
// Table_DailyTaskPool: the pool of daily tasks.
// One record per data row of its table file, hashed in 512 buckets (any ID), at most 512 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_DailyTaskPool(TABLE, COL, ELEM)                                \
    TABLE(DailyTaskPool, HashMgrType, 512, 512, 10)                              \
    COL(5, ID_FPARAM, INT, FParam)                                               \
    COL(0, ID_ID, INT, Id)                                                       \
    COL(4, ID_PPARAM, INT, PParam)                                               \
    COL(6, ID_QUALITY, INT, Quality)                                             \
    COL(7, ID_REWARDITEM, STRING, RewardItem)                                    \
    COL(8, ID_REWARDNUM, STRING, RewardNum)                                      \
    COL(2, ID_SCENEID, INT, SceneID)                                             \
    COL(9, ID_SCENEPICTURE, STRING, ScenePicture)                                \
    COL(3, ID_TYPE, INT, Type)

DBC_DECLARE_TABLE(DailyTaskPool)
