#include "Table_WeeklyAndDailyTask.h"

DBC_DEFINE_TABLE(WeeklyAndDailyTask, "Lib/libcommon/Table/Table_WeeklyAndDailyTask")
