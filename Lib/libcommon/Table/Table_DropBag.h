#pragma once
// Table_DropBag: drop bags, each with fifteen (bag, minimum, maximum) triples.
// One record per data row of its table file, hashed in 8191 buckets (any ID), at most 8192 records.
// Loaded on the main thread before any worker runs, read-only afterwards.
// Members in the declared order Bag, Id, Kind, WheelID, MaxNum, MinNum (WheelID ahead of the
// number arrays), not by name; __Load reads them so.

#include "DBCTableModule.h"

#define DBC_TABLE_DropBag(TABLE, COL, ELEM)                            \
    TABLE(DropBag, HashMgrType, 8191, 8192, 49)                        \
    ELEM(3, ID_BAG1, STRING, Bag, 0)                                   \
    ELEM(6, ID_BAG2, STRING, Bag, 1)                                   \
    ELEM(9, ID_BAG3, STRING, Bag, 2)                                   \
    ELEM(12, ID_BAG4, STRING, Bag, 3)                                  \
    ELEM(15, ID_BAG5, STRING, Bag, 4)                                  \
    ELEM(18, ID_BAG6, STRING, Bag, 5)                                  \
    ELEM(21, ID_BAG7, STRING, Bag, 6)                                  \
    ELEM(24, ID_BAG8, STRING, Bag, 7)                                  \
    ELEM(27, ID_BAG9, STRING, Bag, 8)                                  \
    ELEM(30, ID_BAG10, STRING, Bag, 9)                                 \
    ELEM(33, ID_BAG11, STRING, Bag, 10)                                \
    ELEM(36, ID_BAG12, STRING, Bag, 11)                                \
    ELEM(39, ID_BAG13, STRING, Bag, 12)                                \
    ELEM(42, ID_BAG14, STRING, Bag, 13)                                \
    ELEM(45, ID_BAG15, STRING, Bag, 14)                                \
    COL(0, ID_ID, INT, Id)                                             \
    COL(2, ID_KIND, INT, Kind)                                         \
    COL(48, ID_WHEELID, INT, WheelID)                                  \
    ELEM(5, ID_MAXNUM1, INT, MaxNum, 0)                                \
    ELEM(8, ID_MAXNUM2, INT, MaxNum, 1)                                \
    ELEM(11, ID_MAXNUM3, INT, MaxNum, 2)                               \
    ELEM(14, ID_MAXNUM4, INT, MaxNum, 3)                               \
    ELEM(17, ID_MAXNUM5, INT, MaxNum, 4)                               \
    ELEM(20, ID_MAXNUM6, INT, MaxNum, 5)                               \
    ELEM(23, ID_MAXNUM7, INT, MaxNum, 6)                               \
    ELEM(26, ID_MAXNUM8, INT, MaxNum, 7)                               \
    ELEM(29, ID_MAXNUM9, INT, MaxNum, 8)                               \
    ELEM(32, ID_MAXNUM10, INT, MaxNum, 9)                              \
    ELEM(35, ID_MAXNUM11, INT, MaxNum, 10)                             \
    ELEM(38, ID_MAXNUM12, INT, MaxNum, 11)                             \
    ELEM(41, ID_MAXNUM13, INT, MaxNum, 12)                             \
    ELEM(44, ID_MAXNUM14, INT, MaxNum, 13)                             \
    ELEM(47, ID_MAXNUM15, INT, MaxNum, 14)                             \
    ELEM(4, ID_MINNUM1, INT, MinNum, 0)                                \
    ELEM(7, ID_MINNUM2, INT, MinNum, 1)                                \
    ELEM(10, ID_MINNUM3, INT, MinNum, 2)                               \
    ELEM(13, ID_MINNUM4, INT, MinNum, 3)                               \
    ELEM(16, ID_MINNUM5, INT, MinNum, 4)                               \
    ELEM(19, ID_MINNUM6, INT, MinNum, 5)                               \
    ELEM(22, ID_MINNUM7, INT, MinNum, 6)                               \
    ELEM(25, ID_MINNUM8, INT, MinNum, 7)                               \
    ELEM(28, ID_MINNUM9, INT, MinNum, 8)                               \
    ELEM(31, ID_MINNUM10, INT, MinNum, 9)                              \
    ELEM(34, ID_MINNUM11, INT, MinNum, 10)                             \
    ELEM(37, ID_MINNUM12, INT, MinNum, 11)                             \
    ELEM(40, ID_MINNUM13, INT, MinNum, 12)                             \
    ELEM(43, ID_MINNUM14, INT, MinNum, 13)                             \
    ELEM(46, ID_MINNUM15, INT, MinNum, 14)

DBC_DECLARE_TABLE(DropBag)
