#include "Table_CommonData.h"

DBC_DEFINE_TABLE(CommonData, "Lib/libcommon/Table/Table_CommonData")
