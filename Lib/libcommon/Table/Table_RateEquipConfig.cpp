#include "Table_RateEquipConfig.h"

DBC_DEFINE_TABLE_LOAD(RateEquipConfig, "Lib/libcommon/Table/Table_RateEquipConfig")
DBC_DEFINE_TABLE_FUNCS(RateEquipConfig, "Lib/libcommon/Table/Table_RateEquipConfig")
