#include "Table_Scene.h"

DBC_DEFINE_TABLE(Scene, "Lib/libcommon/Table/Table_Scene")
