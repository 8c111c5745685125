#include "Table_NewPlayerRate.h"

DBC_DEFINE_TABLE(NewPlayerRate, "Lib/libcommon/Table/Table_NewPlayerRate")
