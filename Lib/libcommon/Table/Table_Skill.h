#pragma once
// One record per skill: texts, cast codes, logic and its parameters, distances, times,
// carrier impacts and switches. Loaded on the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_Skill(TABLE, COL, ELEM)                          \
    TABLE(Skill, HashMgrType, 1023, 1024, 49)                      \
    COL(43, ID_ATKINTERVALTIME, INT, AtkIntervalTime)              \
    COL(17, ID_AUTODIS, FLOAT, AutoDis)                            \
    COL(8, ID_AUTOTYPE, INT, AutoType)                             \
    COL(22, ID_CDTIMEID, INT, CDTimeId)                            \
    ELEM(33, ID_CARRIERIMPACTID0, INT, CarrierImpactId, 0)         \
    ELEM(34, ID_CARRIERIMPACTID1, INT, CarrierImpactId, 1)         \
    ELEM(35, ID_CARRIERIMPACTID2, INT, CarrierImpactId, 2)         \
    ELEM(36, ID_CARRIERIMPACTID3, INT, CarrierImpactId, 3)         \
    ELEM(37, ID_CARRIERIMPACTID4, INT, CarrierImpactId, 4)         \
    ELEM(38, ID_CARRIERIMPACTID5, INT, CarrierImpactId, 5)         \
    ELEM(39, ID_CARRIERIMPACTID6, INT, CarrierImpactId, 6)         \
    ELEM(40, ID_CARRIERIMPACTID7, INT, CarrierImpactId, 7)         \
    ELEM(41, ID_CARRIERIMPACTID8, INT, CarrierImpactId, 8)         \
    ELEM(42, ID_CARRIERIMPACTID9, INT, CarrierImpactId, 9)         \
    COL(29, ID_DEFAULTNEXTTIME, INT, DefaultNextTime)              \
    COL(2, ID_DESC, STRING, Desc)                                  \
    COL(24, ID_EFFECTET, INT, EffectET)                            \
    COL(23, ID_EFFECTST, INT, EffectST)                            \
    COL(4, ID_ICON, STRING, Icon)                                  \
    COL(0, ID_ID, INT, Id)                                         \
    COL(47, ID_IGNORECONTROL, INT, IgnoreControl)                  \
    COL(32, ID_IGNOREOBSTACLE, FLOAT, IgnoreObstacle)              \
    COL(9, ID_LEVEL, INT, Level)                                   \
    ELEM(12, ID_LOGICPARAM0, INT, LogicParam, 0)                   \
    ELEM(13, ID_LOGICPARAM1, INT, LogicParam, 1)                   \
    ELEM(14, ID_LOGICPARAM2, INT, LogicParam, 2)                   \
    ELEM(15, ID_LOGICPARAM3, INT, LogicParam, 3)                   \
    ELEM(16, ID_LOGICPARAM4, INT, LogicParam, 4)                   \
    COL(30, ID_NEXTID, STRING, NextId)                             \
    COL(31, ID_NEXTTIME, STRING, NextTime)                         \
    COL(10, ID_POWERCOST, INT, PowerCost)                          \
    COL(19, ID_SKILLANGLE, INT, SkillAngle)                        \
    COL(5, ID_SKILLCASTTYPE, INT, SkillCastType)                   \
    COL(3, ID_SKILLDESCID, INT, SkillDescID)                       \
    COL(18, ID_SKILLDIS, FLOAT, SkillDis)                          \
    COL(20, ID_SKILLDISATK, FLOAT, SkillDisATK)                    \
    COL(48, ID_SKILLFORINVAILD, STRING, SkillForInvaild)           \
    COL(11, ID_SKILLLOGIC, INT, SkillLogic)                        \
    COL(45, ID_SKILLSWITCHCON, INT, SkillSwitchCon)                \
    COL(46, ID_SKILLSWITCHRES, INT, SkillSwitchRes)                \
    COL(44, ID_SKILLSWITCHTYPE, INT, SkillSwitchType)              \
    COL(6, ID_SKILLTAG, INT, SkillTag)                             \
    COL(21, ID_SKILLTIME, INT, SkillTime)                          \
    COL(7, ID_TYPE, INT, Type)                                     \
    COL(28, ID_USERMTDIR, INT, UserMTDir)                          \
    COL(26, ID_USERMTL, INT, UserMTL)                              \
    COL(25, ID_USERMTS, INT, UserMTS)                              \
    COL(27, ID_USERMTSPEED, FLOAT, UserMTSpeed)

DBC_DECLARE_TABLE(Skill)
