#pragma once
// Return way points: a branch point (text) per record. Loaded on the main thread at
// start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_ReturnWayPoint(TABLE, COL, ELEM)                                         \
    TABLE(ReturnWayPoint, SequenceMgrType, 99999, 100000, 3)                               \
    COL(2, ID_BRANCHPOINT1, STRING, BranchPoint1)                                          \
    COL(0, ID_ID, INT, Id)

DBC_DECLARE_TABLE(ReturnWayPoint)
