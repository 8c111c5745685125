#include "Table_MissionTask.h"

DBC_DEFINE_TABLE_LOAD(MissionTask, "Lib/libcommon/Table/Table_MissionTask")
DBC_DEFINE_TABLE_FUNCS(MissionTask, "Lib/libcommon/Table/Table_MissionTask")
