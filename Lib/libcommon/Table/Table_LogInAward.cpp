#include "Table_LogInAward.h"

DBC_DEFINE_TABLE(LogInAward, "Lib/libcommon/Table/Table_LogInAward")
