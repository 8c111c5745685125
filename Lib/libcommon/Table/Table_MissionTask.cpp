#include "Table_MissionTask.h"

DBC_DEFINE_TABLE(MissionTask, "Lib/libcommon/Table/Table_MissionTask")
