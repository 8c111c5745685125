#include "Table_MonopolyActivity.h"

DBC_DEFINE_TABLE(MonopolyActivity, "Lib/libcommon/Table/Table_MonopolyActivity")
