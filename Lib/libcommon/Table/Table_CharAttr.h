#pragma once
// A full character attribute set per record, element values included. Loaded on the main
// thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_CharAttr(TABLE, COL, ELEM)                            \
    TABLE(CharAttr, HashMgrType, 999, 1000, 38)                         \
    COL(26, ID_ALLATTR, INT, AllAttr)                                   \
    COL(27, ID_ALLATTRDEF, INT, AllAttrDef)                             \
    COL(7, ID_ATK, INT, Atk)                                            \
    COL(32, ID_COINGET, INT, CoinGet)                                   \
    COL(12, ID_CRITMULT, INT, CritMult)                                 \
    COL(10, ID_CRITICAL, INT, Critical)                                 \
    COL(28, ID_DEALLATTRDEF, INT, DeAllAttrDef)                         \
    COL(9, ID_DEDEFENSE, INT, DeDefense)                                \
    COL(19, ID_DEFLAMEDEF, INT, DeFlameDef)                             \
    COL(16, ID_DEICEDEF, INT, DeIceDef)                                 \
    COL(25, ID_DEPOISONDEF, INT, DePoisonDef)                           \
    COL(22, ID_DEFTHUNDERDEF, INT, DefThunderDef)                       \
    COL(8, ID_DEFENSE, INT, Defense)                                    \
    COL(36, ID_DROPBAGID, INT, DropBagId)                               \
    COL(37, ID_DROPBAGIDF, INT, DropBagIdF)                             \
    COL(33, ID_DYINGSPEED, INT, DyingSpeed)                             \
    COL(2, ID_EXP, INT, Exp)                                            \
    COL(34, ID_EXPGET, INT, ExpGet)                                     \
    COL(17, ID_FLAME, INT, Flame)                                       \
    COL(18, ID_FLAMEDEF, INT, FlameDef)                                 \
    COL(14, ID_ICE, INT, Ice)                                           \
    COL(15, ID_ICEDEF, INT, IceDef)                                     \
    COL(0, ID_ID, INT, Id)                                              \
    COL(13, ID_LUCKY, INT, Lucky)                                       \
    COL(6, ID_MAXATK, INT, MaxAtk)                                      \
    COL(3, ID_MAXHP, INT, MaxHp)                                        \
    COL(29, ID_MAXHUNGER, INT, MaxHunger)                               \
    COL(30, ID_MAXWEIGHT, INT, MaxWeight)                               \
    COL(5, ID_MINATK, INT, MinAtk)                                      \
    COL(11, ID_MOVESPEED, INT, MoveSpeed)                               \
    COL(23, ID_POISON, INT, Poison)                                     \
    COL(24, ID_POISONDEF, INT, PoisonDef)                               \
    COL(4, ID_POWER, INT, Power)                                        \
    COL(31, ID_RETENACITYPER, INT, ReTenacityPer)                       \
    COL(20, ID_THUNDER, INT, Thunder)                                   \
    COL(21, ID_THUNDERDEF, INT, ThunderDef)                             \
    COL(35, ID_UNLOCKEQUIPMENT, STRING, UnlockEquipment)

DBC_DECLARE_TABLE(CharAttr)
