#include "Table_TreasureIslandReward.h"

DBC_DEFINE_TABLE(TreasureIslandReward, "Lib/libcommon/Table/Table_TreasureIslandReward")
