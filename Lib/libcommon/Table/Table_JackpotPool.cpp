#include "Table_JackpotPool.h"

DBC_DEFINE_TABLE_LOAD(JackpotPool, "Lib/libcommon/Table/Table_JackpotPool")
DBC_DEFINE_TABLE_FUNCS(JackpotPool, "Lib/libcommon/Table/Table_JackpotPool")
