#include "Table_CharAttr.h"

DBC_DEFINE_TABLE_LOAD(CharAttr, "Lib/libcommon/Table/Table_CharAttr")
DBC_DEFINE_TABLE_FUNCS(CharAttr, "Lib/libcommon/Table/Table_CharAttr")
