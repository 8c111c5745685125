#include "Table_Scene.h"

DBC_DEFINE_TABLE_LOAD(Scene, "Lib/libcommon/Table/Table_Scene")
DBC_DEFINE_TABLE_FUNCS(Scene, "Lib/libcommon/Table/Table_Scene")
