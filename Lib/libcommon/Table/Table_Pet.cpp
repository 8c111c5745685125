#include "Table_Pet.h"

DBC_DEFINE_TABLE_LOAD(Pet, "Lib/libcommon/Table/Table_Pet")
DBC_DEFINE_TABLE_FUNCS(Pet, "Lib/libcommon/Table/Table_Pet")
