#include "Table_PassiveSkill.h"

DBC_DEFINE_TABLE_LOAD(PassiveSkill, "Lib/libcommon/Table/Table_PassiveSkill")
DBC_DEFINE_TABLE_FUNCS(PassiveSkill, "Lib/libcommon/Table/Table_PassiveSkill")
