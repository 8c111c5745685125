#include "Table_Notice.h"

DBC_DEFINE_TABLE_LOAD(Notice, "Lib/libcommon/Table/Table_Notice")
DBC_DEFINE_TABLE_FUNCS(Notice, "Lib/libcommon/Table/Table_Notice")
