#include "Table_CoolDownTime.h"

DBC_DEFINE_TABLE(CoolDownTime, "Lib/libcommon/Table/Table_CoolDownTime")
