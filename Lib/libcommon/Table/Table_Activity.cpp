#include "Table_Activity.h"

DBC_DEFINE_TABLE_LOAD(Activity, "Lib/libcommon/Table/Table_Activity")
DBC_DEFINE_TABLE_FUNCS(Activity, "Lib/libcommon/Table/Table_Activity")
