#include "Table_EnhancePower.h"

DBC_DEFINE_TABLE_LOAD(EnhancePower, "Lib/libcommon/Table/Table_EnhancePower")
DBC_DEFINE_TABLE_FUNCS(EnhancePower, "Lib/libcommon/Table/Table_EnhancePower")
