#include "Table_BossSwing.h"

DBC_DEFINE_TABLE(BossSwing, "Lib/libcommon/Table/Table_BossSwing")
