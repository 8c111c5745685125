#include "Table_Shop.h"

DBC_DEFINE_TABLE(Shop, "Lib/libcommon/Table/Table_Shop")
