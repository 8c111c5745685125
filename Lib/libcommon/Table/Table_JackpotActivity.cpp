#include "Table_JackpotActivity.h"

DBC_DEFINE_TABLE_LOAD(JackpotActivity, "Lib/libcommon/Table/Table_JackpotActivity")
DBC_DEFINE_TABLE_FUNCS(JackpotActivity, "Lib/libcommon/Table/Table_JackpotActivity")
