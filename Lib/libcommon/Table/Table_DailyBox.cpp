#include "Table_DailyBox.h"

DBC_DEFINE_TABLE_LOAD(DailyBox, "Lib/libcommon/Table/Table_DailyBox")
DBC_DEFINE_TABLE_FUNCS(DailyBox, "Lib/libcommon/Table/Table_DailyBox")
