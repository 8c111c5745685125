#include "Table_MonsterArmorBreak.h"

DBC_DEFINE_TABLE_LOAD(MonsterArmorBreak, "Lib/libcommon/Table/Table_MonsterArmorBreak")
DBC_DEFINE_TABLE_FUNCS(MonsterArmorBreak, "Lib/libcommon/Table/Table_MonsterArmorBreak")
