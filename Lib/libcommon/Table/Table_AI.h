#pragma once
// AI profiles of monsters: view, watch, patrol, relax, run, battle, help, hate, catch and
// attack settings. Column 0 is named 1 (ID_1, m_1, Get1) and is still the record's ID.
// Loaded on the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_AI(TABLE, COL, ELEM)                          \
    TABLE(AI, SequenceMgrType, 999, 1000, 24)                   \
    COL(0, ID_1, INT, 1)                                        \
    COL(22, ID_AIID, INT, AIID)                                 \
    COL(21, ID_ATKDIS, FLOAT, AtkDis)                           \
    COL(10, ID_BATTLES, FLOAT, BattleS)                         \
    COL(20, ID_CATCHDIS, FLOAT, CatchDis)                       \
    COL(18, ID_HATER, FLOAT, HateR)                             \
    COL(19, ID_HATET, FLOAT, HateT)                             \
    ELEM(15, ID_HELPID1, INT, HelpID, 0)                        \
    ELEM(16, ID_HELPID2, INT, HelpID, 1)                        \
    ELEM(17, ID_HELPID3, INT, HelpID, 2)                        \
    COL(13, ID_HELPNUM, INT, HelpNum)                           \
    COL(12, ID_HELPR, INT, HelpR)                               \
    COL(14, ID_HELPTARGETTYPE, INT, HelpTargetType)             \
    COL(11, ID_HELPTYPE, INT, HelpType)                         \
    COL(6, ID_PATROLT, FLOAT, PatrolT)                          \
    COL(23, ID_PATROLWAITTIME, INT, PatrolWaitTime)             \
    COL(8, ID_RELAXT, FLOAT, RelaxT)                            \
    COL(9, ID_RUNS, FLOAT, RunS)                                \
    COL(7, ID_RUNPROBABILITY, FLOAT, Runprobability)            \
    COL(2, ID_VIEWANGLE, INT, ViewAngle)                        \
    COL(4, ID_VIEWH, INT, ViewH)                                \
    COL(3, ID_VIEWR, INT, ViewR)                                \
    COL(5, ID_WATCHT, FLOAT, WatchT)

DBC_DECLARE_TABLE(AI)
