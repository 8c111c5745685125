#include "Table_BonusReturnRegulationRate.h"

DBC_DEFINE_TABLE(BonusReturnRegulationRate, "Lib/libcommon/Table/Table_BonusReturnRegulationRate")
