#include "Table_BoonCard.h"

DBC_DEFINE_TABLE_LOAD(BoonCard, "Lib/libcommon/Table/Table_BoonCard")
DBC_DEFINE_TABLE_FUNCS(BoonCard, "Lib/libcommon/Table/Table_BoonCard")
