#include "Table_PlayerBirthArea.h"

DBC_DEFINE_TABLE(PlayerBirthArea, "Lib/libcommon/Table/Table_PlayerBirthArea")
