#include "Table_Discount.h"

DBC_DEFINE_TABLE(Discount, "Lib/libcommon/Table/Table_Discount")
