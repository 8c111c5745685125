#pragma once
// Player birth points: a scene id, a position and a W value. Loaded on the main thread at
// start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_PlayerBirthArea(TABLE, COL, ELEM)                                          \
    TABLE(PlayerBirthArea, SequenceMgrType, 99999, 100000, 7)                                \
    COL(0, ID_ID, INT, Id)                                                                   \
    COL(2, ID_SCENEID, INT, SceneID)                                                         \
    COL(6, ID_W, FLOAT, W)                                                                   \
    COL(3, ID_X, FLOAT, X)                                                                   \
    COL(4, ID_Y, FLOAT, Y)                                                                   \
    COL(5, ID_Z, FLOAT, Z)

DBC_DECLARE_TABLE(PlayerBirthArea)
