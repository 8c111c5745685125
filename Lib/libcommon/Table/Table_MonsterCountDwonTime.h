#pragma once
// Per ID a life time and three stage texts (time, hit rate, score), kept whole. Loaded on
// the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_MonsterCountDwonTime(TABLE, COL, ELEM)                                      \
    TABLE(MonsterCountDwonTime, HashMgrType, 500, 500, 6)                                     \
    COL(4, ID_HITEDRATESTAGE, STRING, HitedRateStage)                                         \
    COL(0, ID_ID, INT, Id)                                                                    \
    COL(2, ID_LIFETIME, INT, LifeTime)                                                        \
    COL(5, ID_SCORESTAGE, STRING, ScoreStage)                                                 \
    COL(3, ID_TIMESTAGE, STRING, TimeStage)

DBC_DECLARE_TABLE(MonsterCountDwonTime)
