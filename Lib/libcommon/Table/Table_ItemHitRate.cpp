#include "Table_ItemHitRate.h"

DBC_DEFINE_TABLE_LOAD(ItemHitRate, "Lib/libcommon/Table/Table_ItemHitRate")
DBC_DEFINE_TABLE_FUNCS(ItemHitRate, "Lib/libcommon/Table/Table_ItemHitRate")
