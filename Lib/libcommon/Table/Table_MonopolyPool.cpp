#include "Table_MonopolyPool.h"

DBC_DEFINE_TABLE_LOAD(MonopolyPool, "Lib/libcommon/Table/Table_MonopolyPool")
DBC_DEFINE_TABLE_FUNCS(MonopolyPool, "Lib/libcommon/Table/Table_MonopolyPool")
