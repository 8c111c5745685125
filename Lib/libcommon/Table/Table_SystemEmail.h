#pragma once
// Table_SystemEmail: system e-mails.
// One record per data row of its table file, hashed in 99999 buckets (any ID), at most 100000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_SystemEmail(TABLE, COL, ELEM)                                  \
    TABLE(SystemEmail, HashMgrType, 99999, 100000, 6)                            \
    COL(3, ID_CONTENT, INT, Content)                                             \
    COL(0, ID_ID, INT, Id)                                                       \
    ELEM(4, ID_NOTE1, STRING, Note, 0)                                           \
    ELEM(5, ID_NOTE2, STRING, Note, 1)                                           \
    COL(2, ID_TITLE, INT, Title)

DBC_DECLARE_TABLE(SystemEmail)
