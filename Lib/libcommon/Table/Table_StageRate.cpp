#include "Table_StageRate.h"

DBC_DEFINE_TABLE_LOAD(StageRate, "Lib/libcommon/Table/Table_StageRate")
DBC_DEFINE_TABLE_FUNCS(StageRate, "Lib/libcommon/Table/Table_StageRate")
