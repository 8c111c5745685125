#include "Table_LuckyWheel.h"

DBC_DEFINE_TABLE_LOAD(LuckyWheel, "Lib/libcommon/Table/Table_LuckyWheel")
DBC_DEFINE_TABLE_FUNCS(LuckyWheel, "Lib/libcommon/Table/Table_LuckyWheel")
