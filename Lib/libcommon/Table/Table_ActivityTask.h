#pragma once
// Table_ActivityTask: activity tasks.
// One record per data row of its table file, indexed by ID (0 to 9999), at most 10000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.
// PPARAM0..5 and FPARAM0..5 interleave in the file and count from 0.

#include "DBCTableModule.h"

#define DBC_TABLE_ActivityTask(TABLE, COL, ELEM)                                      \
    TABLE(ActivityTask, SequenceMgrType, 9999, 10000, 23)                             \
    COL(7, ID_CLOSETIME, STRING, CloseTime)                                           \
    COL(4, ID_DICINDEX, INT, DicIndex)                                                \
    ELEM(10, ID_FPARAM0, INT, FParam, 0)                                              \
    ELEM(12, ID_FPARAM1, INT, FParam, 1)                                              \
    ELEM(14, ID_FPARAM2, INT, FParam, 2)                                              \
    ELEM(16, ID_FPARAM3, INT, FParam, 3)                                              \
    ELEM(18, ID_FPARAM4, INT, FParam, 4)                                              \
    ELEM(20, ID_FPARAM5, INT, FParam, 5)                                              \
    COL(5, ID_FRESHTYPE, INT, FreshType)                                              \
    COL(22, ID_FUNCTIONID, INT, FunctionID)                                           \
    COL(0, ID_ID, INT, Id)                                                            \
    COL(3, ID_NAME, STRING, Name)                                                     \
    COL(6, ID_OPENTIME, STRING, OpenTime)                                             \
    ELEM(9, ID_PPARAM0, INT, PParam, 0)                                               \
    ELEM(11, ID_PPARAM1, INT, PParam, 1)                                              \
    ELEM(13, ID_PPARAM2, INT, PParam, 2)                                              \
    ELEM(15, ID_PPARAM3, INT, PParam, 3)                                              \
    ELEM(17, ID_PPARAM4, INT, PParam, 4)                                              \
    ELEM(19, ID_PPARAM5, INT, PParam, 5)                                              \
    COL(21, ID_REWARDDISPLAY, STRING, RewardDisplay)                                  \
    COL(8, ID_REWARDID, STRING, RewardID)                                             \
    COL(2, ID_TYPE, INT, Type)

DBC_DECLARE_TABLE(ActivityTask)
