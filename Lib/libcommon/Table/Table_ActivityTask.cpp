#include "Table_ActivityTask.h"

DBC_DEFINE_TABLE_LOAD(ActivityTask, "Lib/libcommon/Table/Table_ActivityTask")
DBC_DEFINE_TABLE_FUNCS(ActivityTask, "Lib/libcommon/Table/Table_ActivityTask")
