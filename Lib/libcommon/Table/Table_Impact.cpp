#include "Table_Impact.h"

DBC_DEFINE_TABLE_LOAD(Impact, "Lib/libcommon/Table/Table_Impact")
DBC_DEFINE_TABLE_FUNCS(Impact, "Lib/libcommon/Table/Table_Impact")
