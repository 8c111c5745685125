#include "Table_RobotName.h"

// Two lines: __Load's reports carry a line of their own.
DBC_DEFINE_TABLE_LOAD(RobotName, "Server/Robot/Dravik/Common/Table/Table_RobotName")
DBC_DEFINE_TABLE_FUNCS(RobotName, "Server/Robot/Dravik/Common/Table/Table_RobotName")
