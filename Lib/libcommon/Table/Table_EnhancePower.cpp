#include "Table_EnhancePower.h"

DBC_DEFINE_TABLE(EnhancePower, "Lib/libcommon/Table/Table_EnhancePower")
