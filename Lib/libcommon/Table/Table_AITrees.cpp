#include "Table_AITrees.h"

DBC_DEFINE_TABLE(AITrees, "Lib/libcommon/Table/Table_AITrees")
