#include "Table_Notice.h"

DBC_DEFINE_TABLE(Notice, "Lib/libcommon/Table/Table_Notice")
