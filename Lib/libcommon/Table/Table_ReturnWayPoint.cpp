#include "Table_ReturnWayPoint.h"

DBC_DEFINE_TABLE(ReturnWayPoint, "Lib/libcommon/Table/Table_ReturnWayPoint")
