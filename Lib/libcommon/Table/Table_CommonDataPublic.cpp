#include "Table_CommonDataPublic.h"

DBC_DEFINE_TABLE(CommonDataPublic, "Lib/libcommon/Table/Table_CommonDataPublic")
