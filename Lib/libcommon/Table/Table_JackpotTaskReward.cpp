#include "Table_JackpotTaskReward.h"

DBC_DEFINE_TABLE_LOAD(JackpotTaskReward, "Lib/libcommon/Table/Table_JackpotTaskReward")
DBC_DEFINE_TABLE_FUNCS(JackpotTaskReward, "Lib/libcommon/Table/Table_JackpotTaskReward")
