#include "Table_ImpactCarrier.h"

DBC_DEFINE_TABLE(ImpactCarrier, "Lib/libcommon/Table/Table_ImpactCarrier")
