#include "Table_SystemEmail.h"

DBC_DEFINE_TABLE_LOAD(SystemEmail, "Lib/libcommon/Table/Table_SystemEmail")
DBC_DEFINE_TABLE_FUNCS(SystemEmail, "Lib/libcommon/Table/Table_SystemEmail")
