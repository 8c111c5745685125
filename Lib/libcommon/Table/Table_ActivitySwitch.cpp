#include "Table_ActivitySwitch.h"

DBC_DEFINE_TABLE_LOAD(ActivitySwitch, "Lib/libcommon/Table/Table_ActivitySwitch")
DBC_DEFINE_TABLE_FUNCS(ActivitySwitch, "Lib/libcommon/Table/Table_ActivitySwitch")
