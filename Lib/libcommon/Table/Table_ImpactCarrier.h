#pragma once
// The carriers that deliver impacts: type, timing, position, speed, direction, effects and
// sounds, up to ten impact ids. Loaded on the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_ImpactCarrier(TABLE, COL, ELEM)                                  \
    TABLE(ImpactCarrier, HashMgrType, 1023, 1024, 27)                              \
    COL(13, ID_AREAEFFECTID, INT, AreaEffectID)                                    \
    COL(14, ID_AREASOUNDID, INT, AreaSoundID)                                      \
    COL(10, ID_BULLETEFFECTID, INT, BulletEffectID)                                \
    COL(11, ID_BULLETEFFECTTYPE, INT, BulletEffectType)                            \
    COL(12, ID_BULLETSOUNDID, INT, BulletSoundID)                                  \
    COL(3, ID_CANBREAK, INT, CanBreak)                                             \
    COL(2, ID_CARRIERTYPE, INT, CarrierType)                                       \
    COL(8, ID_DIR, FLOAT, Dir)                                                     \
    COL(15, ID_ENDEFFECTID, INT, EndEffectID)                                      \
    COL(16, ID_ENDSOUNDID, INT, EndSoundID)                                        \
    COL(0, ID_ID, INT, Id)                                                         \
    ELEM(17, ID_IMPACT_0, INT, Impact, 0)                                          \
    ELEM(18, ID_IMPACT_1, INT, Impact, 1)                                          \
    ELEM(19, ID_IMPACT_2, INT, Impact, 2)                                          \
    ELEM(20, ID_IMPACT_3, INT, Impact, 3)                                          \
    ELEM(21, ID_IMPACT_4, INT, Impact, 4)                                          \
    ELEM(22, ID_IMPACT_5, INT, Impact, 5)                                          \
    ELEM(23, ID_IMPACT_6, INT, Impact, 6)                                          \
    ELEM(24, ID_IMPACT_7, INT, Impact, 7)                                          \
    ELEM(25, ID_IMPACT_8, INT, Impact, 8)                                          \
    ELEM(26, ID_IMPACT_9, INT, Impact, 9)                                          \
    COL(5, ID_POSX, FLOAT, PosX)                                                   \
    COL(6, ID_POSZ, FLOAT, PosZ)                                                   \
    COL(7, ID_SPEED, FLOAT, Speed)                                                 \
    COL(9, ID_TIMEEND, INT, TimeEnd)                                               \
    COL(4, ID_TIMESTART, INT, TimeStart)

DBC_DECLARE_TABLE(ImpactCarrier)
