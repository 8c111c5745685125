#include "Table_AI.h"

DBC_DEFINE_TABLE_LOAD(AI, "Lib/libcommon/Table/Table_AI")
DBC_DEFINE_TABLE_FUNCS(AI, "Lib/libcommon/Table/Table_AI")
