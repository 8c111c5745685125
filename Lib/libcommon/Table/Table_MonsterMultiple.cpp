#include "Table_MonsterMultiple.h"

DBC_DEFINE_TABLE(MonsterMultiple, "Lib/libcommon/Table/Table_MonsterMultiple")
