#include "Table_RewardGroupValue.h"

DBC_DEFINE_TABLE(RewardGroupValue, "Lib/libcommon/Table/Table_RewardGroupValue")
