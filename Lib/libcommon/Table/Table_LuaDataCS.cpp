#include "Table_LuaDataCS.h"

DBC_DEFINE_TABLE(LuaDataCS, "Lib/libcommon/Table/Table_LuaDataCS")
