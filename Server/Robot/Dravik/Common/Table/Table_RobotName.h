#pragma once
// The robot-name table: one first and one second name part per row, read at start-up from
// the file that start-up names; the name pool pairs them. Loaded on the main thread before
// any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_RobotName(TABLE, COL, ELEM)                                   \
    TABLE(RobotName, SequenceMgrType, 999, 1000, 4)                             \
    COL(2, ID_FNAME, STRING, FName)                                             \
    COL(0, ID_ID, INT, ID)                                                      \
    COL(3, ID_SNAME, STRING, SName)

DBC_DECLARE_TABLE(RobotName)
