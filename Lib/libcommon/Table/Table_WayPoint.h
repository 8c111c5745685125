#pragma once
// Way points: a point id, X and Z and a branch point (text); the names keep their digit.
// Loaded on the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_WayPoint(TABLE, COL, ELEM)                                   \
    TABLE(WayPoint, SequenceMgrType, 99999, 100000, 6)                         \
    COL(5, ID_BRANCHPOINT1, STRING, BranchPoint1)                              \
    COL(0, ID_ID, INT, Id)                                                     \
    COL(2, ID_POINTID1, INT, PointID1)                                         \
    COL(3, ID_X1, FLOAT, X1)                                                   \
    COL(4, ID_Z1, FLOAT, Z1)

DBC_DECLARE_TABLE(WayPoint)
