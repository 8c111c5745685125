#include "Table_MaxGroupCost.h"

DBC_DEFINE_TABLE(MaxGroupCost, "Lib/libcommon/Table/Table_MaxGroupCost")
