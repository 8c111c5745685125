#include "Table_MonsterMultiple.h"

DBC_DEFINE_TABLE_LOAD(MonsterMultiple, "Lib/libcommon/Table/Table_MonsterMultiple")
DBC_DEFINE_TABLE_FUNCS(MonsterMultiple, "Lib/libcommon/Table/Table_MonsterMultiple")
