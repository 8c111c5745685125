#include "Table_Monster.h"

DBC_DEFINE_TABLE_LOAD(Monster, "Lib/libcommon/Table/Table_Monster")
DBC_DEFINE_TABLE_FUNCS(Monster, "Lib/libcommon/Table/Table_Monster")
