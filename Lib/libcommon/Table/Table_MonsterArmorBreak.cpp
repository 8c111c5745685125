#include "Table_MonsterArmorBreak.h"

DBC_DEFINE_TABLE(MonsterArmorBreak, "Lib/libcommon/Table/Table_MonsterArmorBreak")
