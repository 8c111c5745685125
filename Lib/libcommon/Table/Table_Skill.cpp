#include "Table_Skill.h"

DBC_DEFINE_TABLE_LOAD(Skill, "Lib/libcommon/Table/Table_Skill")
DBC_DEFINE_TABLE_FUNCS(Skill, "Lib/libcommon/Table/Table_Skill")
