#include "Table_EnhanceAck.h"

DBC_DEFINE_TABLE_LOAD(EnhanceAck, "Lib/libcommon/Table/Table_EnhanceAck")
DBC_DEFINE_TABLE_FUNCS(EnhanceAck, "Lib/libcommon/Table/Table_EnhanceAck")
