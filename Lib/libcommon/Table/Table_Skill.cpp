#include "Table_Skill.h"

DBC_DEFINE_TABLE(Skill, "Lib/libcommon/Table/Table_Skill")
