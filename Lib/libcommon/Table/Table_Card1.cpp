#include "Table_Card1.h"

DBC_DEFINE_TABLE_LOAD(Card1, "Lib/libcommon/Table/Table_Card1")
DBC_DEFINE_TABLE_FUNCS(Card1, "Lib/libcommon/Table/Table_Card1")
