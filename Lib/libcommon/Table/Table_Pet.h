#pragma once
// One record per pet: name, model and icon paths, monster, ride and collision ids, lock
// radius, HP bar, item. Never loaded by the program: a caller names the file (the file
// named here is only the one the fixture writer makes). Main thread only, read-only once
// loaded.

#include "DBCTableModule.h"

#define DBC_TABLE_Pet(TABLE, COL, ELEM)                           \
    TABLE(Pet, SequenceMgrType, 999, 1000, 12)                    \
    COL(7, ID_COLLID, INT, CollId)                                \
    COL(9, ID_HPBARLENGTH, FLOAT, HpBarLength)                    \
    COL(10, ID_HPBARNUM, INT, HpBarNum)                           \
    COL(4, ID_ICONPATH, STRING, IconPath)                         \
    COL(0, ID_ID, INT, Id)                                        \
    COL(11, ID_ITEMID, INT, ItemID)                               \
    COL(8, ID_LOCKR, FLOAT, LockR)                                \
    COL(3, ID_MODELPATH, STRING, ModelPath)                       \
    COL(5, ID_MONSID, INT, MonsId)                                \
    COL(2, ID_NAME, STRING, Name)                                 \
    COL(6, ID_RIDEID, INT, RideId)

DBC_DECLARE_TABLE(Pet)
