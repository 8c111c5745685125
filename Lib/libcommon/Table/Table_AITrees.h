#pragma once
// The four XML paths of a monster's behaviour trees: skill, advanced skill, run-away, trace.
// Loaded on the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_AITrees(TABLE, COL, ELEM)                              \
    TABLE(AITrees, SequenceMgrType, 999, 1000, 6)                        \
    COL(3, ID_ADVANCEDSKILLXMLPATH, STRING, AdvancedSkillXmlPath)        \
    COL(0, ID_ID, INT, Id)                                               \
    COL(4, ID_RUNAWAYXMLPATH, STRING, RunAwayXmlPath)                    \
    COL(2, ID_SKILLXMLPATH, STRING, SkillXmlPath)                        \
    COL(5, ID_TRACEXMLPATH, STRING, TraceXmlPath)

DBC_DECLARE_TABLE(AITrees)
