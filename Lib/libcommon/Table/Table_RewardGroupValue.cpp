#include "Table_RewardGroupValue.h"

DBC_DEFINE_TABLE_LOAD(RewardGroupValue, "Lib/libcommon/Table/Table_RewardGroupValue")
DBC_DEFINE_TABLE_FUNCS(RewardGroupValue, "Lib/libcommon/Table/Table_RewardGroupValue")
