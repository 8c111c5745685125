#include "Table_BoonCard.h"

DBC_DEFINE_TABLE(BoonCard, "Lib/libcommon/Table/Table_BoonCard")
