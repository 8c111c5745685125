#include "Table_MonsterBirth.h"

DBC_DEFINE_TABLE_LOAD(MonsterBirth, "Lib/libcommon/Table/Table_MonsterBirth")
DBC_DEFINE_TABLE_FUNCS(MonsterBirth, "Lib/libcommon/Table/Table_MonsterBirth")
