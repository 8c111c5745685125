#include "Table_BossChallenge.h"

DBC_DEFINE_TABLE_LOAD(BossChallenge, "Lib/libcommon/Table/Table_BossChallenge")
DBC_DEFINE_TABLE_FUNCS(BossChallenge, "Lib/libcommon/Table/Table_BossChallenge")
