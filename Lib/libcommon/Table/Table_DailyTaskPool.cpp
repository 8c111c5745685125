#include "Table_DailyTaskPool.h"

DBC_DEFINE_TABLE_LOAD(DailyTaskPool, "Lib/libcommon/Table/Table_DailyTaskPool")
DBC_DEFINE_TABLE_FUNCS(DailyTaskPool, "Lib/libcommon/Table/Table_DailyTaskPool")
