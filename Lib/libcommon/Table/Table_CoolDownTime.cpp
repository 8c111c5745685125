#include "Table_CoolDownTime.h"

DBC_DEFINE_TABLE_LOAD(CoolDownTime, "Lib/libcommon/Table/Table_CoolDownTime")
DBC_DEFINE_TABLE_FUNCS(CoolDownTime, "Lib/libcommon/Table/Table_CoolDownTime")
