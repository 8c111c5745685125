#include "Table_CharAttr.h"

DBC_DEFINE_TABLE(CharAttr, "Lib/libcommon/Table/Table_CharAttr")
