#include "Table_EnhanceAck.h"

DBC_DEFINE_TABLE(EnhanceAck, "Lib/libcommon/Table/Table_EnhanceAck")
