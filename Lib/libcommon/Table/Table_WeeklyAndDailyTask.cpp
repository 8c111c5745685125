#include "Table_WeeklyAndDailyTask.h"

DBC_DEFINE_TABLE_LOAD(WeeklyAndDailyTask, "Lib/libcommon/Table/Table_WeeklyAndDailyTask")
DBC_DEFINE_TABLE_FUNCS(WeeklyAndDailyTask, "Lib/libcommon/Table/Table_WeeklyAndDailyTask")
