#include "Table_RateDiamondConfig.h"

DBC_DEFINE_TABLE(RateDiamondConfig, "Lib/libcommon/Table/Table_RateDiamondConfig")
