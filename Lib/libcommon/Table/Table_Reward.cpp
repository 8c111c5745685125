#include "Table_Reward.h"

DBC_DEFINE_TABLE(Reward, "Lib/libcommon/Table/Table_Reward")
