#pragma once
// One passive-skill-id text per record, kept whole. Loaded on the main thread at start-up,
// read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_PassiveSkillRand(TABLE, COL, ELEM)                                    \
    TABLE(PassiveSkillRand, HashMgrType, 8191, 8192, 3)                                 \
    COL(0, ID_ID, INT, Id)                                                              \
    COL(2, ID_PASSIVESKILLID, STRING, PassiveSkillID)

DBC_DECLARE_TABLE(PassiveSkillRand)
