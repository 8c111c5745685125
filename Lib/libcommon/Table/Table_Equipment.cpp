#include "Table_Equipment.h"

DBC_DEFINE_TABLE(Equipment, "Lib/libcommon/Table/Table_Equipment")
