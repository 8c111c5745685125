#include "Table_UsableItem.h"

DBC_DEFINE_TABLE_LOAD(UsableItem, "Lib/libcommon/Table/Table_UsableItem")
DBC_DEFINE_TABLE_FUNCS(UsableItem, "Lib/libcommon/Table/Table_UsableItem")
