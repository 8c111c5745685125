#include "Table_MaxMonsterCost.h"

DBC_DEFINE_TABLE(MaxMonsterCost, "Lib/libcommon/Table/Table_MaxMonsterCost")
