#include "Table_SceneTaskMonster.h"

DBC_DEFINE_TABLE_LOAD(SceneTaskMonster, "Lib/libcommon/Table/Table_SceneTaskMonster")
DBC_DEFINE_TABLE_FUNCS(SceneTaskMonster, "Lib/libcommon/Table/Table_SceneTaskMonster")
