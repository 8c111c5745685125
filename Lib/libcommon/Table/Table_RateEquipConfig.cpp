#include "Table_RateEquipConfig.h"

DBC_DEFINE_TABLE(RateEquipConfig, "Lib/libcommon/Table/Table_RateEquipConfig")
