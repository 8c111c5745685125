#include "Table_MonsterCountDwonTime.h"

DBC_DEFINE_TABLE_LOAD(MonsterCountDwonTime, "Lib/libcommon/Table/Table_MonsterCountDwonTime")
DBC_DEFINE_TABLE_FUNCS(MonsterCountDwonTime, "Lib/libcommon/Table/Table_MonsterCountDwonTime")
