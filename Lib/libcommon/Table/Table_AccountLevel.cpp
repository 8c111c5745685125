#include "Table_AccountLevel.h"

DBC_DEFINE_TABLE_LOAD(AccountLevel, "Lib/libcommon/Table/Table_AccountLevel")
DBC_DEFINE_TABLE_FUNCS(AccountLevel, "Lib/libcommon/Table/Table_AccountLevel")
