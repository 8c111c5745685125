#include "Table_LuaDataGS.h"

DBC_DEFINE_TABLE_LOAD(LuaDataGS, "Lib/libcommon/Table/Table_LuaDataGS")
DBC_DEFINE_TABLE_FUNCS(LuaDataGS, "Lib/libcommon/Table/Table_LuaDataGS")
