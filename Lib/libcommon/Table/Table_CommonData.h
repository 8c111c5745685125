#pragma once
// Generic constants: per ID one number and one text. Loaded on the main thread at start-up
// and reloadable (TableReload::ReloadCommonDataTable); read-only between loads.

#include "DBCTableModule.h"

#define DBC_TABLE_CommonData(TABLE, COL, ELEM)                            \
    TABLE(CommonData, HashMgrType, 500, 500, 4)                           \
    COL(0, ID_ID, INT, Id)                                                \
    COL(2, ID_INTVAL, INT, IntVal)                                        \
    COL(3, ID_STRVAL, STRING, StrVal)

DBC_DECLARE_TABLE(CommonData)
