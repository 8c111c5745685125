#include "Table_LuckyWheel.h"

DBC_DEFINE_TABLE(LuckyWheel, "Lib/libcommon/Table/Table_LuckyWheel")
