#include "Table_Pet.h"

DBC_DEFINE_TABLE(Pet, "Lib/libcommon/Table/Table_Pet")
