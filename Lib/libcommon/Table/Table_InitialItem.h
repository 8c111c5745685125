#pragma once
// The items a new character starts with, by sex and game type (three item lists as texts).
// At most 100 records but only the IDs 0 to 9. Loaded on the main thread at start-up,
// read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_InitialItem(TABLE, COL, ELEM)                               \
    TABLE(InitialItem, SequenceMgrType, 9, 100, 7)                            \
    COL(3, ID_COLLECTTOOLITEMID, STRING, CollectToolItemId)                   \
    COL(4, ID_EQUIPMENTITEMID, STRING, EquipmentItemId)                       \
    COL(6, ID_GAMETYPE, INT, GameType)                                        \
    COL(0, ID_ID, INT, Id)                                                    \
    COL(5, ID_ITEMID, STRING, ItemId)                                         \
    COL(2, ID_SEX, INT, Sex)

DBC_DECLARE_TABLE(InitialItem)
