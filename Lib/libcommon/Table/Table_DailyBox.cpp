#include "Table_DailyBox.h"

DBC_DEFINE_TABLE(DailyBox, "Lib/libcommon/Table/Table_DailyBox")
