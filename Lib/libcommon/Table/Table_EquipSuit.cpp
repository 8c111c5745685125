#include "Table_EquipSuit.h"

DBC_DEFINE_TABLE_LOAD(EquipSuit, "Lib/libcommon/Table/Table_EquipSuit")
DBC_DEFINE_TABLE_FUNCS(EquipSuit, "Lib/libcommon/Table/Table_EquipSuit")
