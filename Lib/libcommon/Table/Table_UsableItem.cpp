#include "Table_UsableItem.h"

DBC_DEFINE_TABLE(UsableItem, "Lib/libcommon/Table/Table_UsableItem")
