#pragma once
// Script paths (GS side) by ID. Loaded on the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_LuaDataGS(TABLE, COL, ELEM)                              \
    TABLE(LuaDataGS, HashMgrType, 9999, 10000, 3)                          \
    COL(0, ID_ID, INT, Id)                                                 \
    COL(2, ID_LUAPATH, STRING, LuaPath)

DBC_DECLARE_TABLE(LuaDataGS)
