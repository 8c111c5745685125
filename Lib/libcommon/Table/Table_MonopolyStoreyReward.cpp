#include "Table_MonopolyStoreyReward.h"

DBC_DEFINE_TABLE(MonopolyStoreyReward, "Lib/libcommon/Table/Table_MonopolyStoreyReward")
