#include "Table_Reward.h"

DBC_DEFINE_TABLE_LOAD(Reward, "Lib/libcommon/Table/Table_Reward")
DBC_DEFINE_TABLE_FUNCS(Reward, "Lib/libcommon/Table/Table_Reward")
