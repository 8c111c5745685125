#include "Table_NewPlayerRate.h"

DBC_DEFINE_TABLE_LOAD(NewPlayerRate, "Lib/libcommon/Table/Table_NewPlayerRate")
DBC_DEFINE_TABLE_FUNCS(NewPlayerRate, "Lib/libcommon/Table/Table_NewPlayerRate")
