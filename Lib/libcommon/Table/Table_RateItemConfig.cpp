#include "Table_RateItemConfig.h"

DBC_DEFINE_TABLE_LOAD(RateItemConfig, "Lib/libcommon/Table/Table_RateItemConfig")
DBC_DEFINE_TABLE_FUNCS(RateItemConfig, "Lib/libcommon/Table/Table_RateItemConfig")
