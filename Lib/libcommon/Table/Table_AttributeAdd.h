#pragma once
// Attribute bonuses: maximum HP, power, attack, energy and PRO. Loaded on the main thread
// at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_AttributeAdd(TABLE, COL, ELEM)                                  \
    TABLE(AttributeAdd, HashMgrType, 50000, 50000, 7)                             \
    COL(4, ID_ATK, INT, Atk)                                                      \
    COL(5, ID_ENERGY, INT, Energy)                                                \
    COL(0, ID_ID, INT, Id)                                                        \
    COL(2, ID_MAXHP, INT, MaxHp)                                                  \
    COL(3, ID_POWER, INT, Power)                                                  \
    COL(6, ID_PRO, INT, Pro)

DBC_DECLARE_TABLE(AttributeAdd)
