#include "Table_ImpactCarrier.h"

DBC_DEFINE_TABLE_LOAD(ImpactCarrier, "Lib/libcommon/Table/Table_ImpactCarrier")
DBC_DEFINE_TABLE_FUNCS(ImpactCarrier, "Lib/libcommon/Table/Table_ImpactCarrier")
