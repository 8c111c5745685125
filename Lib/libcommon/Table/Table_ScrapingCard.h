#pragma once
// Table_ScrapingCard: scraping-card entries.
// One record per data row of its table file, hashed in 999 buckets (any ID), at most 1000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_ScrapingCard(TABLE, COL, ELEM)                               \
    TABLE(ScrapingCard, HashMgrType, 999, 1000, 9)                             \
    COL(8, ID_CARDICONNAME, STRING, CardIconName)                              \
    COL(7, ID_CONGRATSICONNAME, STRING, CongratsIconName)                      \
    COL(5, ID_COUNT, INT, Count)                                               \
    COL(2, ID_DESCID, INT, DescId)                                             \
    COL(6, ID_ICONNAME, STRING, IconName)                                      \
    COL(0, ID_ID, INT, Id)                                                     \
    COL(3, ID_ITEMID, INT, Itemid)                                             \
    COL(4, ID_PERCENT, INT, Percent)

DBC_DECLARE_TABLE(ScrapingCard)
