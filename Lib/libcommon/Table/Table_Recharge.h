#pragma once
// Table_Recharge: the recharge offers.
// One record per data row of its table file, indexed by ID (0 to 99999), at most 100000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_Recharge(TABLE, COL, ELEM)                                    \
    TABLE(Recharge, SequenceMgrType, 99999, 100000, 15)                         \
    COL(9, ID_BACKGROUNDPATH, STRING, BackGroundPath)                           \
    COL(3, ID_DESID, INT, DesID)                                                \
    COL(8, ID_DROPID, INT, DropID)                                              \
    COL(13, ID_EXTRATEXTID, INT, ExtraTextId)                                   \
    COL(4, ID_GOODSID, INT, GOODSID)                                            \
    COL(10, ID_ICONPATH, STRING, IconPath)                                      \
    COL(0, ID_ID, INT, Id)                                                      \
    COL(5, ID_ITEM, STRING, Item)                                               \
    COL(2, ID_NAME, INT, Name)                                                  \
    COL(14, ID_PLUSSIGN, INT, PlusSign)                                         \
    COL(7, ID_QVNUM, INT, QVNum)                                                \
    COL(6, ID_SHOWMONEY, STRING, ShowMoney)                                     \
    COL(11, ID_SKEWPATH, STRING, SkewPath)                                      \
    COL(12, ID_SKEWTEXTID, INT, SkewTextId)

DBC_DECLARE_TABLE(Recharge)
