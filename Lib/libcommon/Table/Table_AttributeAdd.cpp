#include "Table_AttributeAdd.h"

DBC_DEFINE_TABLE_LOAD(AttributeAdd, "Lib/libcommon/Table/Table_AttributeAdd")
DBC_DEFINE_TABLE_FUNCS(AttributeAdd, "Lib/libcommon/Table/Table_AttributeAdd")
