#include "Table_MonsterCountDwonTime.h"

DBC_DEFINE_TABLE(MonsterCountDwonTime, "Lib/libcommon/Table/Table_MonsterCountDwonTime")
