#include "Table_AccountLevel.h"

DBC_DEFINE_TABLE(AccountLevel, "Lib/libcommon/Table/Table_AccountLevel")
