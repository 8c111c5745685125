#include "Table_InitialItem.h"

DBC_DEFINE_TABLE(InitialItem, "Lib/libcommon/Table/Table_InitialItem")
