#pragma once
// One record per account level: experience, released systems and unlocked equipment (texts)
// and two drop bags. Loaded on the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_AccountLevel(TABLE, COL, ELEM)                                 \
    TABLE(AccountLevel, SequenceMgrType, 99, 100, 7)                             \
    COL(4, ID_DROPBAGID, INT, DropBagId)                                         \
    COL(5, ID_DROPBAGID_F, INT, DropBagIdF)                                      \
    COL(2, ID_EXP, INT, Exp)                                                     \
    COL(0, ID_ID, INT, Id)                                                       \
    COL(3, ID_SYSRELEASE, STRING, SysRelease)                                    \
    COL(6, ID_UNLOCKEQUIPMENT, STRING, UnlockEquipment)

DBC_DECLARE_TABLE(AccountLevel)
