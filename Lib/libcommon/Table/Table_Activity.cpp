#include "Table_Activity.h"

DBC_DEFINE_TABLE(Activity, "Lib/libcommon/Table/Table_Activity")
