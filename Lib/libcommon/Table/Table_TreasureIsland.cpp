#include "Table_TreasureIsland.h"

DBC_DEFINE_TABLE_LOAD(TreasureIsland, "Lib/libcommon/Table/Table_TreasureIsland")
DBC_DEFINE_TABLE_FUNCS(TreasureIsland, "Lib/libcommon/Table/Table_TreasureIsland")
