#include "Table_StageRate.h"

DBC_DEFINE_TABLE(StageRate, "Lib/libcommon/Table/Table_StageRate")
