#pragma once
// Table_PersonalIncomeRegulationRate: personal-income regulation rates.
// One record per data row of its table file, indexed by ID (0 to 99), at most 100 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_PersonalIncomeRegulationRate(TABLE, COL, ELEM)                                                 \
    TABLE(PersonalIncomeRegulationRate, SequenceMgrType, 99, 100, 6)                                             \
    COL(5, ID_ADJUSTMENTCOEFFICIENT, STRING, AdjustmentCoefficient)                                              \
    COL(3, ID_ATTACKNUMBERS, INT, AttackNumbers)                                                                 \
    COL(0, ID_ID, INT, ID)                                                                                       \
    COL(2, ID_MATCHID, INT, MatchId)                                                                             \
    COL(4, ID_OFFSETCONDITION, STRING, OffsetCondition)

DBC_DECLARE_TABLE(PersonalIncomeRegulationRate)
