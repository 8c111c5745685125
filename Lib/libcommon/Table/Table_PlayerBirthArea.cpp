#include "Table_PlayerBirthArea.h"

DBC_DEFINE_TABLE_LOAD(PlayerBirthArea, "Lib/libcommon/Table/Table_PlayerBirthArea")
DBC_DEFINE_TABLE_FUNCS(PlayerBirthArea, "Lib/libcommon/Table/Table_PlayerBirthArea")
