#pragma once
// Public generic constants, the layout of CommonData; its file is CommonData_Public.txt.
// Loaded on the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_CommonDataPublic(TABLE, COL, ELEM)                                   \
    TABLE(CommonDataPublic, HashMgrType, 500, 500, 4)                                  \
    COL(0, ID_ID, INT, Id)                                                             \
    COL(2, ID_INTVAL, INT, IntVal)                                                     \
    COL(3, ID_STRVAL, STRING, StrVal)

DBC_DECLARE_TABLE(CommonDataPublic)
