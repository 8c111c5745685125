#include "Table_RobotName.h"

DBC_DEFINE_TABLE(RobotName, "Server/Robot/Dravik/Common/Table/Table_RobotName")
