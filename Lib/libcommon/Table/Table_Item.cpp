#include "Table_Item.h"

DBC_DEFINE_TABLE_LOAD(Item, "Lib/libcommon/Table/Table_Item")
DBC_DEFINE_TABLE_FUNCS(Item, "Lib/libcommon/Table/Table_Item")
