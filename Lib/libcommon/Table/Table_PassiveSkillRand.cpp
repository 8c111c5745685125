#include "Table_PassiveSkillRand.h"

DBC_DEFINE_TABLE(PassiveSkillRand, "Lib/libcommon/Table/Table_PassiveSkillRand")
