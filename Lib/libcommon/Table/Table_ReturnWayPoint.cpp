#include "Table_ReturnWayPoint.h"

DBC_DEFINE_TABLE_LOAD(ReturnWayPoint, "Lib/libcommon/Table/Table_ReturnWayPoint")
DBC_DEFINE_TABLE_FUNCS(ReturnWayPoint, "Lib/libcommon/Table/Table_ReturnWayPoint")
