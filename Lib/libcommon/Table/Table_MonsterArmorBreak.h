#pragma once
// Per ID an armour value, a death award (numbers), an armour award (whole texts) and the
// bonus settings. Loaded on the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_MonsterArmorBreak(TABLE, COL, ELEM)                                        \
    TABLE(MonsterArmorBreak, HashMgrType, 99999, 20000, 13)                                  \
    COL(2, ID_ARMOR, INT, Armor)                                                             \
    COL(6, ID_ARMORAWARDID, STRING, ArmorAwardID)                                            \
    COL(7, ID_ARMORAWARDNUM, STRING, ArmorAwardNum)                                          \
    COL(8, ID_ARMORAWARDRATE, STRING, ArmorAwardRate)                                        \
    COL(11, ID_BONUSAWARDPERCOST, INT, BonusAwardPerCost)                                    \
    COL(12, ID_BONUSAWARDTYPE, INT, BonusAwardType)                                          \
    COL(10, ID_BONUSMAX, INT, BonusMax)                                                      \
    COL(9, ID_BONUSMIN, INT, BonusMin)                                                       \
    COL(3, ID_DEADAWARDID, INT, DeadAwardID)                                                 \
    COL(4, ID_DEADAWARDNUM, INT, DeadAwardNum)                                               \
    COL(5, ID_DEADAWARDRATE, INT, DeadAwardRate)                                             \
    COL(0, ID_ID, INT, Id)

DBC_DECLARE_TABLE(MonsterArmorBreak)
