#include "Table_LuaDataGS.h"

DBC_DEFINE_TABLE(LuaDataGS, "Lib/libcommon/Table/Table_LuaDataGS")
