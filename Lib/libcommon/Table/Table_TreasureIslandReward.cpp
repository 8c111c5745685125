#include "Table_TreasureIslandReward.h"

DBC_DEFINE_TABLE_LOAD(TreasureIslandReward, "Lib/libcommon/Table/Table_TreasureIslandReward")
DBC_DEFINE_TABLE_FUNCS(TreasureIslandReward, "Lib/libcommon/Table/Table_TreasureIslandReward")
