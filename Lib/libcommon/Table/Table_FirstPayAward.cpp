#include "Table_FirstPayAward.h"

DBC_DEFINE_TABLE(FirstPayAward, "Lib/libcommon/Table/Table_FirstPayAward")
