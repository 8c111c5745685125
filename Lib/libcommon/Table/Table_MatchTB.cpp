#include "Table_MatchTB.h"

DBC_DEFINE_TABLE_LOAD(MatchTB, "Lib/libcommon/Table/Table_MatchTB")
DBC_DEFINE_TABLE_FUNCS(MatchTB, "Lib/libcommon/Table/Table_MatchTB")
