#include "Table_JackpotTaskReward.h"

DBC_DEFINE_TABLE(JackpotTaskReward, "Lib/libcommon/Table/Table_JackpotTaskReward")
