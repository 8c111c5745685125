#include "Table_MaxMonsterCost.h"

DBC_DEFINE_TABLE_LOAD(MaxMonsterCost, "Lib/libcommon/Table/Table_MaxMonsterCost")
DBC_DEFINE_TABLE_FUNCS(MaxMonsterCost, "Lib/libcommon/Table/Table_MaxMonsterCost")
