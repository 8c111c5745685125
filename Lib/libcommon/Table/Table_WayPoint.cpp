#include "Table_WayPoint.h"

DBC_DEFINE_TABLE_LOAD(WayPoint, "Lib/libcommon/Table/Table_WayPoint")
DBC_DEFINE_TABLE_FUNCS(WayPoint, "Lib/libcommon/Table/Table_WayPoint")
