#include "Table_PassiveSkill.h"

DBC_DEFINE_TABLE(PassiveSkill, "Lib/libcommon/Table/Table_PassiveSkill")
