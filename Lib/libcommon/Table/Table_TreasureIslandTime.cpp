#include "Table_TreasureIslandTime.h"

DBC_DEFINE_TABLE_LOAD(TreasureIslandTime, "Lib/libcommon/Table/Table_TreasureIslandTime")
DBC_DEFINE_TABLE_FUNCS(TreasureIslandTime, "Lib/libcommon/Table/Table_TreasureIslandTime")
