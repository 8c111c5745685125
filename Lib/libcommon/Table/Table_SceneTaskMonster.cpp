#include "Table_SceneTaskMonster.h"

DBC_DEFINE_TABLE(SceneTaskMonster, "Lib/libcommon/Table/Table_SceneTaskMonster")
