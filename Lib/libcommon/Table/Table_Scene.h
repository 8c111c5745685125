#pragma once
// One record per scene: type, script, user maximum, navigation mesh (text), height range
// and lengths along X and Z. Loaded on the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_Scene(TABLE, COL, ELEM)                           \
    TABLE(Scene, SequenceMgrType, 99, 100, 10)                      \
    COL(7, ID_HEIGHTMAX, INT, HeightMax)                            \
    COL(6, ID_HEIGHTMIN, INT, HeightMin)                            \
    COL(0, ID_ID, INT, Id)                                          \
    COL(8, ID_LENGTHX, INT, LengthX)                                \
    COL(9, ID_LENGTHZ, INT, LengthZ)                                \
    COL(5, ID_NAVMESH, STRING, NavMesh)                             \
    COL(3, ID_SCRIPTID, INT, ScriptId)                              \
    COL(2, ID_TYPE, INT, Type)                                      \
    COL(4, ID_USERMAX, INT, UserMax)

DBC_DECLARE_TABLE(Scene)
