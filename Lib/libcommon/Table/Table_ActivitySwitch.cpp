#include "Table_ActivitySwitch.h"

DBC_DEFINE_TABLE(ActivitySwitch, "Lib/libcommon/Table/Table_ActivitySwitch")
