#pragma once
// A reduced character attribute set of 15 numbers per record (no ATK column, so the
// columns sit elsewhere than in CharAttr). Loaded on the main thread at start-up,
// read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_CharAttr1(TABLE, COL, ELEM)                               \
    TABLE(CharAttr1, SequenceMgrType, 99, 100, 17)                          \
    COL(11, ID_CRITMULT, INT, CritMult)                                     \
    COL(9, ID_CRITICAL, INT, Critical)                                      \
    COL(8, ID_DEDEFENSE, INT, DeDefense)                                    \
    COL(7, ID_DEFENSE, INT, Defense)                                        \
    COL(16, ID_DYINGSPEED, INT, DyingSpeed)                                 \
    COL(2, ID_EXP, INT, Exp)                                                \
    COL(0, ID_ID, INT, Id)                                                  \
    COL(12, ID_LUCKY, INT, Lucky)                                           \
    COL(6, ID_MAXATK, INT, MaxAtk)                                          \
    COL(3, ID_MAXHP, INT, MaxHp)                                            \
    COL(13, ID_MAXHUNGER, INT, MaxHunger)                                   \
    COL(14, ID_MAXWEIGHT, INT, MaxWeight)                                   \
    COL(5, ID_MINATK, INT, MinAtk)                                          \
    COL(10, ID_MOVESPEED, INT, MoveSpeed)                                   \
    COL(4, ID_POWER, INT, Power)                                            \
    COL(15, ID_RETENACITYPER, INT, ReTenacityPer)

DBC_DECLARE_TABLE(CharAttr1)
