#pragma once
// Table_BonusReturnRegulationRate: bonus-return regulation rates.
// One record per data row of its table file, indexed by ID (0 to 999), at most 1000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_BonusReturnRegulationRate(TABLE, COL, ELEM)                                                 \
    TABLE(BonusReturnRegulationRate, SequenceMgrType, 999, 1000, 10)                                          \
    COL(7, ID_BALANCECOEFFICIENT, STRING, BalanceCoefficient)                                                 \
    COL(6, ID_BALANCELIMIT, STRING, BalanceLimit)                                                             \
    COL(5, ID_BONUSCOEFFICIENT, INT, BonusCoefficient)                                                        \
    COL(3, ID_BONUSCONDITION, INT, BonusCondition)                                                            \
    COL(4, ID_BONUSPROPORTION, INT, BonusProportion)                                                          \
    COL(0, ID_ID, INT, ID)                                                                                    \
    COL(2, ID_ROOMTYPE, STRING, RoomType)                                                                     \
    COL(8, ID_SECURESCORE, STRING, SecureScore)                                                               \
    COL(9, ID_SECURITYCOEFFICIENT, STRING, SecurityCoefficient)

DBC_DECLARE_TABLE(BonusReturnRegulationRate)
