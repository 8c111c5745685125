#pragma once
// Equipment suits: six pieces and two bonus tiers of level, count, attribute (text), skill
// and skill description. Loaded on the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_EquipSuit(TABLE, COL, ELEM)                                \
    TABLE(EquipSuit, HashMgrType, 50000, 50000, 19)                          \
    ELEM(11, ID_ATTRIB1, STRING, Attrib, 0)                                  \
    ELEM(16, ID_ATTRIB2, STRING, Attrib, 1)                                  \
    ELEM(10, ID_COUNT1, INT, Count, 0)                                       \
    ELEM(15, ID_COUNT2, INT, Count, 1)                                       \
    ELEM(3, ID_EQUIP1, INT, Equip, 0)                                        \
    ELEM(4, ID_EQUIP2, INT, Equip, 1)                                        \
    ELEM(5, ID_EQUIP3, INT, Equip, 2)                                        \
    ELEM(6, ID_EQUIP4, INT, Equip, 3)                                        \
    ELEM(7, ID_EQUIP5, INT, Equip, 4)                                        \
    ELEM(8, ID_EQUIP6, INT, Equip, 5)                                        \
    COL(0, ID_ID, INT, Id)                                                   \
    ELEM(9, ID_LEVEL1, INT, Level, 0)                                        \
    ELEM(14, ID_LEVEL2, INT, Level, 1)                                       \
    COL(2, ID_NAME, INT, Name)                                               \
    ELEM(12, ID_SKILL1, INT, Skill, 0)                                       \
    ELEM(17, ID_SKILL2, INT, Skill, 1)                                       \
    ELEM(13, ID_SKILLDES1, INT, Skilldes, 0)                                 \
    ELEM(18, ID_SKILLDES2, INT, Skilldes, 1)

DBC_DECLARE_TABLE(EquipSuit)
