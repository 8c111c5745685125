#include "Table_JackpotPool.h"

DBC_DEFINE_TABLE(JackpotPool, "Lib/libcommon/Table/Table_JackpotPool")
