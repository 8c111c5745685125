#pragma once
// One cool-down time per record. Loaded on the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_CoolDownTime(TABLE, COL, ELEM)                                   \
    TABLE(CoolDownTime, SequenceMgrType, 999, 1000, 3)                             \
    COL(2, ID_CDTIME, INT, CDTime)                                                 \
    COL(0, ID_ID, INT, Id)

DBC_DECLARE_TABLE(CoolDownTime)
