#include "Table_Monster.h"

DBC_DEFINE_TABLE(Monster, "Lib/libcommon/Table/Table_Monster")
