#include "Table_Ride.h"

DBC_DEFINE_TABLE_LOAD(Ride, "Lib/libcommon/Table/Table_Ride")
DBC_DEFINE_TABLE_FUNCS(Ride, "Lib/libcommon/Table/Table_Ride")
