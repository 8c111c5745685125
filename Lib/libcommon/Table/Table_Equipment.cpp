#include "Table_Equipment.h"

DBC_DEFINE_TABLE_LOAD(Equipment, "Lib/libcommon/Table/Table_Equipment")
DBC_DEFINE_TABLE_FUNCS(Equipment, "Lib/libcommon/Table/Table_Equipment")
