#include "Table_MatchTB.h"

DBC_DEFINE_TABLE(MatchTB, "Lib/libcommon/Table/Table_MatchTB")
