#include "Table_RateDiamondConfig.h"

DBC_DEFINE_TABLE_LOAD(RateDiamondConfig, "Lib/libcommon/Table/Table_RateDiamondConfig")
DBC_DEFINE_TABLE_FUNCS(RateDiamondConfig, "Lib/libcommon/Table/Table_RateDiamondConfig")
