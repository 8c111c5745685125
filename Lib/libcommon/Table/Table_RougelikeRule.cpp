#include "Table_RougelikeRule.h"

DBC_DEFINE_TABLE(RougelikeRule, "Lib/libcommon/Table/Table_RougelikeRule")
