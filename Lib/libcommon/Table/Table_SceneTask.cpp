#include "Table_SceneTask.h"

DBC_DEFINE_TABLE_LOAD(SceneTask, "Lib/libcommon/Table/Table_SceneTask")
DBC_DEFINE_TABLE_FUNCS(SceneTask, "Lib/libcommon/Table/Table_SceneTask")
