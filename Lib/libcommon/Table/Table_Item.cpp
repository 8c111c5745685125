#include "Table_Item.h"

DBC_DEFINE_TABLE(Item, "Lib/libcommon/Table/Table_Item")
