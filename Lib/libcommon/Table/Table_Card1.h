#pragma once
// One record per card: item, name (a number), level, next card, costs, three attribute
// entries (attribute, value, minimum, maximum), destroy yield, random pools, picture, lock
// cost. Never loaded by the program: a caller names the file (the file named here is only
// the one the fixture writer makes). Main thread only, read-only once loaded.

#include "DBCTableModule.h"

#define DBC_TABLE_Card1(TABLE, COL, ELEM)                          \
    TABLE(Card1, HashMgrType, 1999, 2000, 29)                      \
    ELEM(8, ID_ATTR1, INT, Attr, 0)                                \
    ELEM(12, ID_ATTR2, INT, Attr, 1)                               \
    ELEM(16, ID_ATTR3, INT, Attr, 2)                               \
    COL(26, ID_CARDPIC, STRING, CardPic)                           \
    COL(7, ID_COST, INT, Cost)                                     \
    COL(22, ID_DESTROYGET, INT, DestroyGet)                        \
    COL(21, ID_DESTROYGETITEM, INT, DestroyGetItem)                \
    COL(0, ID_ID, INT, Id)                                         \
    COL(27, ID_LOCKCOSTITEM, INT, LockCostItem)                    \
    COL(28, ID_LOCKCOSTNUM, INT, LockCostNum)                      \
    COL(4, ID_LV, INT, Lv)                                         \
    COL(25, ID_LVUPCOST, INT, LvUpCost)                            \
    ELEM(11, ID_MAX1, INT, Max, 0)                                 \
    ELEM(15, ID_MAX2, INT, Max, 1)                                 \
    ELEM(19, ID_MAX3, INT, Max, 2)                                 \
    ELEM(10, ID_MIN1, INT, Min, 0)                                 \
    ELEM(14, ID_MIN2, INT, Min, 1)                                 \
    ELEM(18, ID_MIN3, INT, Min, 2)                                 \
    COL(3, ID_NAME, INT, Name)                                     \
    COL(6, ID_NEEDNUM, INT, NeedNum)                               \
    COL(2, ID_NEWITEMID, INT, NewItemId)                           \
    COL(5, ID_NEXTID, INT, NextId)                                 \
    ELEM(23, ID_RANDPOOLID, INT, RandPoolId, 0)                    \
    ELEM(24, ID_RANDPOOLID2, INT, RandPoolId, 1)                   \
    COL(20, ID_REFRESHCOST, INT, RefreshCost)                      \
    ELEM(9, ID_VALUE1, INT, Value, 0)                              \
    ELEM(13, ID_VALUE2, INT, Value, 1)                             \
    ELEM(17, ID_VALUE3, INT, Value, 2)

DBC_DECLARE_TABLE(Card1)
