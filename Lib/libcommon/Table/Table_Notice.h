#pragma once
// Table_Notice: notices.
// One record per data row of its table file, indexed by ID (0 to 9999), at most 10000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_Notice(TABLE, COL, ELEM)                                \
    TABLE(Notice, SequenceMgrType, 9999, 10000, 10)                       \
    COL(4, ID_DISPLAYMODE, INT, DisplayMode)                              \
    COL(7, ID_DISPLAYTIME, INT, DisplayTime)                              \
    COL(0, ID_ID, INT, Id)                                                \
    COL(3, ID_INFORMATICA, INT, Informatica)                              \
    COL(5, ID_INITIALTIME, INT, InitialTime)                              \
    COL(8, ID_INTERVALTIME, INT, IntervalTime)                            \
    COL(9, ID_NOTES, STRING, Notes)                                       \
    COL(6, ID_PLAYTOTALTIME, INT, PlayTotalTime)                          \
    COL(2, ID_TYPE, STRING, Type)

DBC_DECLARE_TABLE(Notice)
