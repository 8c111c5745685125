#pragma once
// Hit rates by impact id: an attack value and a hit rate, both texts. Loaded on the main
// thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_ItemHitRate(TABLE, COL, ELEM)                                     \
    TABLE(ItemHitRate, SequenceMgrType, 9999, 100000, 4)                            \
    COL(2, ID_ATK, STRING, Atk)                                                     \
    COL(3, ID_HITRATE, STRING, HitRate)                                             \
    COL(0, ID_IMPACTID, INT, ImpactID)

DBC_DECLARE_TABLE(ItemHitRate)
