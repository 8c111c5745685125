#include "Table_CharAttr1.h"

DBC_DEFINE_TABLE_LOAD(CharAttr1, "Lib/libcommon/Table/Table_CharAttr1")
DBC_DEFINE_TABLE_FUNCS(CharAttr1, "Lib/libcommon/Table/Table_CharAttr1")
