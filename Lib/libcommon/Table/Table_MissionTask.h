#pragma once
// Table_MissionTask: missions.
// One record per data row of its table file, hashed in 9999 buckets (any ID), at most 10000 records.
// Loaded on the main thread before any worker runs, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_MissionTask(TABLE, COL, ELEM)                                 \
    TABLE(MissionTask, HashMgrType, 9999, 10000, 16)                            \
    COL(9, ID_AMOUNT, INT, Amount)                                              \
    COL(0, ID_ID, INT, ID)                                                      \
    COL(11, ID_IFSTORYWHENFINISH, INT, IfstorywhenFinish)                       \
    COL(4, ID_LEVEL, INT, Level)                                                \
    COL(5, ID_MISSIONDESC, INT, MissionDesc)                                    \
    COL(13, ID_MISSIONIDAFTER, INT, MissionIDAfter)                             \
    COL(12, ID_MISSIONIDBEFORE, INT, MissionIDBefore)                           \
    COL(7, ID_MONSTERID, INT, MonsterID)                                        \
    COL(8, ID_MONSTERICON, STRING, Monstericon)                                 \
    COL(3, ID_NAME, INT, Name)                                                  \
    COL(15, ID_REWARDCOINS, INT, RewardCoins)                                   \
    COL(14, ID_REWARDDMD, INT, RewardDmd)                                       \
    COL(10, ID_STORYID, INT, StoryID)                                           \
    COL(6, ID_TARGETDESC, INT, TargetDesc)                                      \
    COL(2, ID_TYPE, INT, Type)

DBC_DECLARE_TABLE(MissionTask)
