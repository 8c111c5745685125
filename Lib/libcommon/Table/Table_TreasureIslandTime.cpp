#include "Table_TreasureIslandTime.h"

DBC_DEFINE_TABLE(TreasureIslandTime, "Lib/libcommon/Table/Table_TreasureIslandTime")
