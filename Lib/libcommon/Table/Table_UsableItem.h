#pragma once
// One record per usable item: name, script, consume flag, cool-down, four parameters,
// target type. Loaded on the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_UsableItem(TABLE, COL, ELEM)                                 \
    TABLE(UsableItem, HashMgrType, 99999, 10240, 11)                           \
    COL(4, ID_CONSUMEFLAG, INT, ConsumeFlag)                                   \
    COL(5, ID_COOLDOWNID, INT, CoolDownId)                                     \
    COL(0, ID_ID, INT, Id)                                                     \
    COL(2, ID_NAME, STRING, Name)                                              \
    ELEM(6, ID_PARAM1, INT, Param, 0)                                          \
    ELEM(7, ID_PARAM2, INT, Param, 1)                                          \
    ELEM(8, ID_PARAM3, INT, Param, 2)                                          \
    ELEM(9, ID_PARAM4, INT, Param, 3)                                          \
    COL(3, ID_SCRIPTID, INT, ScriptId)                                         \
    COL(10, ID_TARGETTYPE, INT, TargetType)

DBC_DECLARE_TABLE(UsableItem)
