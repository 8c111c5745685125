#include "Table_MonsterBirth.h"

DBC_DEFINE_TABLE(MonsterBirth, "Lib/libcommon/Table/Table_MonsterBirth")
