#include "Table_Area.h"

DBC_DEFINE_TABLE(Area, "Lib/libcommon/Table/Table_Area")
