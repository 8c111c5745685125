#include "Table_TaskAward.h"

DBC_DEFINE_TABLE(TaskAward, "Lib/libcommon/Table/Table_TaskAward")
