#include "Table_MonsterGroup.h"

DBC_DEFINE_TABLE_LOAD(MonsterGroup, "Lib/libcommon/Table/Table_MonsterGroup")
DBC_DEFINE_TABLE_FUNCS(MonsterGroup, "Lib/libcommon/Table/Table_MonsterGroup")
