#include "Table_FirstPayAward.h"

DBC_DEFINE_TABLE_LOAD(FirstPayAward, "Lib/libcommon/Table/Table_FirstPayAward")
DBC_DEFINE_TABLE_FUNCS(FirstPayAward, "Lib/libcommon/Table/Table_FirstPayAward")
