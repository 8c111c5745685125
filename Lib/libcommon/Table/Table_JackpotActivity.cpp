#include "Table_JackpotActivity.h"

DBC_DEFINE_TABLE(JackpotActivity, "Lib/libcommon/Table/Table_JackpotActivity")
