#include "Table_MaxGroupCost.h"

DBC_DEFINE_TABLE_LOAD(MaxGroupCost, "Lib/libcommon/Table/Table_MaxGroupCost")
DBC_DEFINE_TABLE_FUNCS(MaxGroupCost, "Lib/libcommon/Table/Table_MaxGroupCost")
