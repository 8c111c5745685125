#include "Table_LogInAward.h"

DBC_DEFINE_TABLE_LOAD(LogInAward, "Lib/libcommon/Table/Table_LogInAward")
DBC_DEFINE_TABLE_FUNCS(LogInAward, "Lib/libcommon/Table/Table_LogInAward")
