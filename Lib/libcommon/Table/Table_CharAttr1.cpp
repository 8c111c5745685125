#include "Table_CharAttr1.h"

DBC_DEFINE_TABLE(CharAttr1, "Lib/libcommon/Table/Table_CharAttr1")
