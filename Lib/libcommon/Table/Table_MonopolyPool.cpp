#include "Table_MonopolyPool.h"

DBC_DEFINE_TABLE(MonopolyPool, "Lib/libcommon/Table/Table_MonopolyPool")
