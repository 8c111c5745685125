#pragma once
// Table_SceneTask: scene tasks.
// One record per data row of its table file, indexed by ID (0 to 9999), at most 10000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_SceneTask(TABLE, COL, ELEM)                                   \
    TABLE(SceneTask, SequenceMgrType, 9999, 10000, 11)                          \
    COL(7, ID_AWARDA, STRING, AwardA)                                           \
    COL(8, ID_AWARDB, STRING, AwardB)                                           \
    COL(9, ID_AWARDC, STRING, AwardC)                                           \
    COL(10, ID_AWARDHAMMER, INT, AwardHammer)                                   \
    COL(3, ID_DIFFICULTY, INT, Difficulty)                                      \
    COL(4, ID_DURATION, INT, Duration)                                          \
    COL(0, ID_ID, INT, Id)                                                      \
    COL(2, ID_MATCHID, INT, MatchID)                                            \
    COL(6, ID_TOTALAWARD, STRING, TotalAward)                                   \
    COL(5, ID_WEIGHT, INT, Weight)

DBC_DECLARE_TABLE(SceneTask)
