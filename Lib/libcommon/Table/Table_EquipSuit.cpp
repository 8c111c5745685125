#include "Table_EquipSuit.h"

DBC_DEFINE_TABLE(EquipSuit, "Lib/libcommon/Table/Table_EquipSuit")
