#include "Table_AttributeAdd.h"

DBC_DEFINE_TABLE(AttributeAdd, "Lib/libcommon/Table/Table_AttributeAdd")
