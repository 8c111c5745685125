#pragma once
// One record per mount: name, type, five saddles, four attacks each after its type (the
// types stay four scalars), damage radius, shot-down, camera, speed, sound, effect. Never
// loaded by the program: a caller names the file (the file named here is only the one the
// fixture writer makes). Main thread only, read-only once loaded.

#include "DBCTableModule.h"

#define DBC_TABLE_Ride(TABLE, COL, ELEM)                            \
    TABLE(Ride, SequenceMgrType, 999, 1000, 26)                     \
    ELEM(10, ID_ATTACK1, INT, Attack, 0)                            \
    ELEM(12, ID_ATTACK2, INT, Attack, 1)                            \
    ELEM(14, ID_ATTACK3, INT, Attack, 2)                            \
    ELEM(16, ID_ATTACK4, INT, Attack, 3)                            \
    COL(9, ID_ATTACK1TYPE, INT, Attack1Type)                        \
    COL(11, ID_ATTACK2TYPE, INT, Attack2Type)                       \
    COL(13, ID_ATTACK3TYPE, INT, Attack3Type)                       \
    COL(15, ID_ATTACK4TYPE, INT, Attack4Type)                       \
    COL(21, ID_CAMEDISTMOVE, FLOAT, CameDistMove)                   \
    COL(20, ID_CAMEDISTSTAN, FLOAT, CameDistStan)                   \
    COL(19, ID_CAMEHIGH, FLOAT, CameHigh)                           \
    COL(17, ID_DAMAGEGETR, FLOAT, DamageGetR)                       \
    COL(25, ID_EID, INT, Eid)                                       \
    COL(0, ID_ID, INT, Id)                                          \
    COL(2, ID_NAME, STRING, Name)                                   \
    COL(24, ID_RIDESOUNDDELAYTIME, STRING, RideSoundDelayTime)      \
    COL(23, ID_RIDESOUNDNAME, STRING, RideSoundName)                \
    COL(3, ID_RIDETYPE, INT, RideType)                              \
    ELEM(4, ID_SADDLE1, INT, Saddle, 0)                             \
    ELEM(5, ID_SADDLE2, INT, Saddle, 1)                             \
    ELEM(6, ID_SADDLE3, INT, Saddle, 2)                             \
    ELEM(7, ID_SADDLE4, INT, Saddle, 3)                             \
    ELEM(8, ID_SADDLE5, INT, Saddle, 4)                             \
    COL(18, ID_SHOTDOWN, INT, ShotDown)                             \
    COL(22, ID_SPEED, INT, Speed)

DBC_DECLARE_TABLE(Ride)
