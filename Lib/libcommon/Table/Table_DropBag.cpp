#include "Table_DropBag.h"

DBC_DEFINE_TABLE(DropBag, "Lib/libcommon/Table/Table_DropBag")
