#include "Table_Ride.h"

DBC_DEFINE_TABLE(Ride, "Lib/libcommon/Table/Table_Ride")
