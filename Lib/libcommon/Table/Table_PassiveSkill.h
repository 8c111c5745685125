#pragma once
// One record per passive skill: event and its sixteen parameter texts, trigger, logic and
// its five parameter texts, lock cost, duration, buff. Loaded on the main thread at
// start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_PassiveSkill(TABLE, COL, ELEM)                                   \
    TABLE(PassiveSkill, HashMgrType, 99999, 20000, 34)                             \
    COL(33, ID_BUFFCONFIGID, INT, BuffConfigID)                                    \
    COL(32, ID_DURATION, INT, Duration)                                            \
    COL(24, ID_EVENTFILTER, INT, EventFilter)                                      \
    ELEM(3, ID_EVENTPARAM_01, STRING, EventParam, 0)                               \
    ELEM(4, ID_EVENTPARAM_02, STRING, EventParam, 1)                               \
    ELEM(5, ID_EVENTPARAM_03, STRING, EventParam, 2)                               \
    ELEM(6, ID_EVENTPARAM_04, STRING, EventParam, 3)                               \
    ELEM(7, ID_EVENTPARAM_05, STRING, EventParam, 4)                               \
    ELEM(8, ID_EVENTPARAM_06, STRING, EventParam, 5)                               \
    ELEM(9, ID_EVENTPARAM_07, STRING, EventParam, 6)                               \
    ELEM(10, ID_EVENTPARAM_08, STRING, EventParam, 7)                              \
    ELEM(11, ID_EVENTPARAM_09, STRING, EventParam, 8)                              \
    ELEM(12, ID_EVENTPARAM_10, STRING, EventParam, 9)                              \
    ELEM(13, ID_EVENTPARAM_11, STRING, EventParam, 10)                             \
    ELEM(14, ID_EVENTPARAM_12, STRING, EventParam, 11)                             \
    ELEM(15, ID_EVENTPARAM_13, STRING, EventParam, 12)                             \
    ELEM(16, ID_EVENTPARAM_14, STRING, EventParam, 13)                             \
    ELEM(17, ID_EVENTPARAM_15, STRING, EventParam, 14)                             \
    ELEM(18, ID_EVENTPARAM_16, STRING, EventParam, 15)                             \
    COL(2, ID_EVENTTYPE, INT, EventType)                                           \
    COL(0, ID_ID, INT, Id)                                                         \
    COL(23, ID_ISATTACK, INT, IsAttack)                                            \
    COL(31, ID_LOCKCOST, INT, LockCost)                                            \
    COL(25, ID_LOGICID, INT, LogicId)                                              \
    ELEM(26, ID_PARAM_01, STRING, Param, 0)                                        \
    ELEM(27, ID_PARAM_02, STRING, Param, 1)                                        \
    ELEM(28, ID_PARAM_03, STRING, Param, 2)                                        \
    ELEM(29, ID_PARAM_04, STRING, Param, 3)                                        \
    ELEM(30, ID_PARAM_05, STRING, Param, 4)                                        \
    ELEM(21, ID_TRIGGERPARAM_01, STRING, TriggerParam, 0)                          \
    ELEM(22, ID_TRIGGERPARAM_02, STRING, TriggerParam, 1)                          \
    COL(20, ID_TRIGGERTYPE, INT, TriggerType)                                      \
    COL(19, ID_TRIGLEINTERVAL, INT, TrigleInterval)

DBC_DECLARE_TABLE(PassiveSkill)
