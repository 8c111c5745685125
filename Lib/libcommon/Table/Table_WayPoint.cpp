#include "Table_WayPoint.h"

DBC_DEFINE_TABLE(WayPoint, "Lib/libcommon/Table/Table_WayPoint")
