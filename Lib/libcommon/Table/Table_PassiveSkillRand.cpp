#include "Table_PassiveSkillRand.h"

DBC_DEFINE_TABLE_LOAD(PassiveSkillRand, "Lib/libcommon/Table/Table_PassiveSkillRand")
DBC_DEFINE_TABLE_FUNCS(PassiveSkillRand, "Lib/libcommon/Table/Table_PassiveSkillRand")
