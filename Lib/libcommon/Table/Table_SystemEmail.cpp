#include "Table_SystemEmail.h"

DBC_DEFINE_TABLE(SystemEmail, "Lib/libcommon/Table/Table_SystemEmail")
