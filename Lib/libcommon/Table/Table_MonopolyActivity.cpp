#include "Table_MonopolyActivity.h"

DBC_DEFINE_TABLE_LOAD(MonopolyActivity, "Lib/libcommon/Table/Table_MonopolyActivity")
DBC_DEFINE_TABLE_FUNCS(MonopolyActivity, "Lib/libcommon/Table/Table_MonopolyActivity")
