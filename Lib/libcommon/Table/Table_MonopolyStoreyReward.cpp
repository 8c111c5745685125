#include "Table_MonopolyStoreyReward.h"

DBC_DEFINE_TABLE_LOAD(MonopolyStoreyReward, "Lib/libcommon/Table/Table_MonopolyStoreyReward")
DBC_DEFINE_TABLE_FUNCS(MonopolyStoreyReward, "Lib/libcommon/Table/Table_MonopolyStoreyReward")
