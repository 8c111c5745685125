#include "Table_Discount.h"

DBC_DEFINE_TABLE_LOAD(Discount, "Lib/libcommon/Table/Table_Discount")
DBC_DEFINE_TABLE_FUNCS(Discount, "Lib/libcommon/Table/Table_Discount")
