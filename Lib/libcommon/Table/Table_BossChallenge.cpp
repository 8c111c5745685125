#include "Table_BossChallenge.h"

DBC_DEFINE_TABLE(BossChallenge, "Lib/libcommon/Table/Table_BossChallenge")
