#pragma once
// Script paths (CS side) by ID. Loaded on the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_LuaDataCS(TABLE, COL, ELEM)                              \
    TABLE(LuaDataCS, HashMgrType, 9999, 10000, 3)                          \
    COL(0, ID_ID, INT, Id)                                                 \
    COL(2, ID_LUAPATH, STRING, LuaPath)

DBC_DECLARE_TABLE(LuaDataCS)
