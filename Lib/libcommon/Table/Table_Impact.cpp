#include "Table_Impact.h"

DBC_DEFINE_TABLE(Impact, "Lib/libcommon/Table/Table_Impact")
