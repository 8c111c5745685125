#include "Table_RateItemConfig.h"

DBC_DEFINE_TABLE(RateItemConfig, "Lib/libcommon/Table/Table_RateItemConfig")
