#include "Table_DropBag.h"

DBC_DEFINE_TABLE_LOAD(DropBag, "Lib/libcommon/Table/Table_DropBag")
DBC_DEFINE_TABLE_FUNCS(DropBag, "Lib/libcommon/Table/Table_DropBag")
