#pragma once
// Power enhancement steps: name, power, ratio, diamond cost, limits. Loaded on the main
// thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_EnhancePower(TABLE, COL, ELEM)                              \
    TABLE(EnhancePower, HashMgrType, 512, 512, 8)                             \
    COL(5, ID_COSTDIAMOND, INT, CostDiamond)                                  \
    COL(0, ID_ID, INT, Id)                                                    \
    COL(7, ID_LIMITLEVEL, INT, LimitLevel)                                    \
    COL(6, ID_LIMITTIMES, INT, LimitTimes)                                    \
    COL(2, ID_NAME, STRING, Name)                                             \
    COL(3, ID_POWER, INT, Power)                                              \
    COL(4, ID_RATIO, INT, Ratio)

DBC_DECLARE_TABLE(EnhancePower)
