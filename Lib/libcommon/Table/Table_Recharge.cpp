#include "Table_Recharge.h"

DBC_DEFINE_TABLE(Recharge, "Lib/libcommon/Table/Table_Recharge")
