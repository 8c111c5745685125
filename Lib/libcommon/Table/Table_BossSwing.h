#pragma once
// Per ID a boss's MP deposit maximum, initial MP, MP limit and UsrPro. Loaded on the main
// thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_BossSwing(TABLE, COL, ELEM)                           \
    TABLE(BossSwing, HashMgrType, 500, 500, 6)                          \
    COL(0, ID_ID, INT, Id)                                              \
    COL(2, ID_MPDEPOSITMAX, INT, MPDepositMax)                          \
    COL(3, ID_MPINIT, INT, MPInit)                                      \
    COL(4, ID_MPLIMIT, INT, MPLimit)                                    \
    COL(5, ID_USRPRO, INT, UsrPro)

DBC_DECLARE_TABLE(BossSwing)
