#include "Table_TreasureIsland.h"

DBC_DEFINE_TABLE(TreasureIsland, "Lib/libcommon/Table/Table_TreasureIsland")
