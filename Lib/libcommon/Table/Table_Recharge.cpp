#include "Table_Recharge.h"

DBC_DEFINE_TABLE_LOAD(Recharge, "Lib/libcommon/Table/Table_Recharge")
DBC_DEFINE_TABLE_FUNCS(Recharge, "Lib/libcommon/Table/Table_Recharge")
