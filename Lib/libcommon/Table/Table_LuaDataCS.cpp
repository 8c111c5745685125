#include "Table_LuaDataCS.h"

DBC_DEFINE_TABLE_LOAD(LuaDataCS, "Lib/libcommon/Table/Table_LuaDataCS")
DBC_DEFINE_TABLE_FUNCS(LuaDataCS, "Lib/libcommon/Table/Table_LuaDataCS")
