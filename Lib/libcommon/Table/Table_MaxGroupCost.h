#pragma once
// Per ID a group maximum cost and a group coefficient. Loaded on the main thread at
// start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_MaxGroupCost(TABLE, COL, ELEM)                                 \
    TABLE(MaxGroupCost, SequenceMgrType, 99, 100, 4)                             \
    COL(3, ID_GROUPCOEFFICIENT, INT, GroupCoefficient)                           \
    COL(2, ID_GROUPMAXCOST, INT, GroupMaxCost)                                   \
    COL(0, ID_ID, INT, Id)

DBC_DECLARE_TABLE(MaxGroupCost)
