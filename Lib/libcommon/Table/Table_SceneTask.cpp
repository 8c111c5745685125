#include "Table_SceneTask.h"

DBC_DEFINE_TABLE(SceneTask, "Lib/libcommon/Table/Table_SceneTask")
