#include "Table_PersonalIncomeRegulationRate.h"

DBC_DEFINE_TABLE(PersonalIncomeRegulationRate, "Lib/libcommon/Table/Table_PersonalIncomeRegulationRate")
