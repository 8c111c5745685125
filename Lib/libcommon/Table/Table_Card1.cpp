#include "Table_Card1.h"

DBC_DEFINE_TABLE(Card1, "Lib/libcommon/Table/Table_Card1")
