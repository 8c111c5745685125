#include "Table_Area.h"

DBC_DEFINE_TABLE_LOAD(Area, "Lib/libcommon/Table/Table_Area")
DBC_DEFINE_TABLE_FUNCS(Area, "Lib/libcommon/Table/Table_Area")
