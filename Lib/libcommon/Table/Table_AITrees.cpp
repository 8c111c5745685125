#include "Table_AITrees.h"

DBC_DEFINE_TABLE_LOAD(AITrees, "Lib/libcommon/Table/Table_AITrees")
DBC_DEFINE_TABLE_FUNCS(AITrees, "Lib/libcommon/Table/Table_AITrees")
