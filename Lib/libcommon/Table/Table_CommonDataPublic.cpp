#include "Table_CommonDataPublic.h"

DBC_DEFINE_TABLE_LOAD(CommonDataPublic, "Lib/libcommon/Table/Table_CommonDataPublic")
DBC_DEFINE_TABLE_FUNCS(CommonDataPublic, "Lib/libcommon/Table/Table_CommonDataPublic")
