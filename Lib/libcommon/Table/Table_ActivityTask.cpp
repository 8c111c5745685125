#include "Table_ActivityTask.h"

DBC_DEFINE_TABLE(ActivityTask, "Lib/libcommon/Table/Table_ActivityTask")
