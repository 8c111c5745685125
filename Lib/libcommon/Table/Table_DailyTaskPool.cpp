#include "Table_DailyTaskPool.h"

DBC_DEFINE_TABLE(DailyTaskPool, "Lib/libcommon/Table/Table_DailyTaskPool")
