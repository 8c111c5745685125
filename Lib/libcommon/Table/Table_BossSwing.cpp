#include "Table_BossSwing.h"

DBC_DEFINE_TABLE_LOAD(BossSwing, "Lib/libcommon/Table/Table_BossSwing")
DBC_DEFINE_TABLE_FUNCS(BossSwing, "Lib/libcommon/Table/Table_BossSwing")
