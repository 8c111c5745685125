#pragma once
// Table_QVAward: QV awards.
// One record per data row of its table file, hashed in 500 buckets (any ID), at most 500 records.
// Loaded on the main thread before any worker runs, read-only afterwards.
// Members in column order (Id, Num, Mpid, Planid), not by name; __Load reads them so.

#include "DBCTableModule.h"

#define DBC_TABLE_QVAward(TABLE, COL, ELEM)                         \
    TABLE(QVAward, HashMgrType, 500, 500, 5)                        \
    COL(0, ID_ID, INT, Id)                                          \
    COL(2, ID_NUM, INT, Num)                                        \
    COL(3, ID_MPID, INT, Mpid)                                      \
    COL(4, ID_PLANID, INT, Planid)

DBC_DECLARE_TABLE(QVAward)
