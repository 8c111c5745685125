#include "Table_ItemHitRate.h"

DBC_DEFINE_TABLE(ItemHitRate, "Lib/libcommon/Table/Table_ItemHitRate")
