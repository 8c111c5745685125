#include "Table_RougelikeRule.h"

DBC_DEFINE_TABLE_LOAD(RougelikeRule, "Lib/libcommon/Table/Table_RougelikeRule")
DBC_DEFINE_TABLE_FUNCS(RougelikeRule, "Lib/libcommon/Table/Table_RougelikeRule")
