#include "Table_Shop.h"

DBC_DEFINE_TABLE_LOAD(Shop, "Lib/libcommon/Table/Table_Shop")
DBC_DEFINE_TABLE_FUNCS(Shop, "Lib/libcommon/Table/Table_Shop")
