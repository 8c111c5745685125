#include "Table_CommonData.h"

DBC_DEFINE_TABLE_LOAD(CommonData, "Lib/libcommon/Table/Table_CommonData")
DBC_DEFINE_TABLE_FUNCS(CommonData, "Lib/libcommon/Table/Table_CommonData")
