#include "Table_TaskAward.h"

DBC_DEFINE_TABLE_LOAD(TaskAward, "Lib/libcommon/Table/Table_TaskAward")
DBC_DEFINE_TABLE_FUNCS(TaskAward, "Lib/libcommon/Table/Table_TaskAward")
