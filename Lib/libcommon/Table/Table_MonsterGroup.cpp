#include "Table_MonsterGroup.h"

DBC_DEFINE_TABLE(MonsterGroup, "Lib/libcommon/Table/Table_MonsterGroup")
