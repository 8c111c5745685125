#include "Table_InitialItem.h"

DBC_DEFINE_TABLE_LOAD(InitialItem, "Lib/libcommon/Table/Table_InitialItem")
DBC_DEFINE_TABLE_FUNCS(InitialItem, "Lib/libcommon/Table/Table_InitialItem")
