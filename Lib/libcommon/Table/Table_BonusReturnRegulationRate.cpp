#include "Table_BonusReturnRegulationRate.h"

DBC_DEFINE_TABLE_LOAD(BonusReturnRegulationRate, "Lib/libcommon/Table/Table_BonusReturnRegulationRate")
DBC_DEFINE_TABLE_FUNCS(BonusReturnRegulationRate, "Lib/libcommon/Table/Table_BonusReturnRegulationRate")
