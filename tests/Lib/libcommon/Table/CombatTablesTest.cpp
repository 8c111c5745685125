// The combat tables: AI, skills, impacts, monsters, monster pacing and costs. Each table is
// one case below, column by column; the checks are in GameTableCheck.h.

#include "GameTableCheck.h"

#include "Table_AI.h"
#include "Table_AITrees.h"
#include "Table_BossSwing.h"
#include "Table_CoolDownTime.h"
#include "Table_Impact.h"
#include "Table_ImpactCarrier.h"
#include "Table_ItemHitRate.h"
#include "Table_MaxGroupCost.h"
#include "Table_MaxMonsterCost.h"
#include "Table_Monster.h"
#include "Table_MonsterArmorBreak.h"
#include "Table_MonsterCountDwonTime.h"
#include "Table_MonsterGroup.h"
#include "Table_MonsterMultiple.h"
#include "Table_PassiveSkill.h"
#include "Table_PassiveSkillRand.h"
#include "Table_Skill.h"

#include "DBCTestUtil.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

namespace
{
GameTableCheck::Expected AICase()
{
    typedef Table_AI T;
    GameTableCheck::Expected e = {GTC_FUNCS(AI), GameTableCheck::SEQUENCE, 999, 1000, 24, {}, {}, {}};
    e.declOrder = {0, 22, 21, 10, 20, 18, 19, 15, 16, 17, 13, 12, 14, 11, 6, 23, 8, 9, 7, 2, 4, 3, 5};
    e.columns = {
        GTC_COL(ID_1, 0, INT, Get1()),
        GTC_COL(ID_VIEWANGLE, 2, INT, GetViewAngle()),
        GTC_COL(ID_VIEWR, 3, INT, GetViewR()),
        GTC_COL(ID_VIEWH, 4, INT, GetViewH()),
        GTC_COL(ID_WATCHT, 5, FLOAT, GetWatchT()),
        GTC_COL(ID_PATROLT, 6, FLOAT, GetPatrolT()),
        GTC_COL(ID_RUNPROBABILITY, 7, FLOAT, GetRunprobability()),
        GTC_COL(ID_RELAXT, 8, FLOAT, GetRelaxT()),
        GTC_COL(ID_RUNS, 9, FLOAT, GetRunS()),
        GTC_COL(ID_BATTLES, 10, FLOAT, GetBattleS()),
        GTC_COL(ID_HELPTYPE, 11, INT, GetHelpType()),
        GTC_COL(ID_HELPR, 12, INT, GetHelpR()),
        GTC_COL(ID_HELPNUM, 13, INT, GetHelpNum()),
        GTC_COL(ID_HELPTARGETTYPE, 14, INT, GetHelpTargetType()),
        GTC_COL(ID_HELPID1, 15, INT, GetHelpIDbyIndex(0)),
        GTC_COL(ID_HELPID2, 16, INT, GetHelpIDbyIndex(1)),
        GTC_COL(ID_HELPID3, 17, INT, GetHelpIDbyIndex(2)),
        GTC_COL(ID_HATER, 18, FLOAT, GetHateR()),
        GTC_COL(ID_HATET, 19, FLOAT, GetHateT()),
        GTC_COL(ID_CATCHDIS, 20, FLOAT, GetCatchDis()),
        GTC_COL(ID_ATKDIS, 21, FLOAT, GetAtkDis()),
        GTC_COL(ID_AIID, 22, INT, GetAIID()),
        GTC_COL(ID_PATROLWAITTIME, 23, INT, GetPatrolWaitTime()),
    };
    e.counts = {GTC_COUNT(getHelpIDCount, 3)};
    return e;
}

GameTableCheck::Expected AITreesCase()
{
    typedef Table_AITrees T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(AITrees), GameTableCheck::SEQUENCE, 999, 1000, 6, {}, {}, {}};
    e.declOrder = {3, 0, 4, 2, 5};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_SKILLXMLPATH, 2, STRING, GetSkillXmlPath()),
        GTC_COL(ID_ADVANCEDSKILLXMLPATH, 3, STRING, GetAdvancedSkillXmlPath()),
        GTC_COL(ID_RUNAWAYXMLPATH, 4, STRING, GetRunAwayXmlPath()),
        GTC_COL(ID_TRACEXMLPATH, 5, STRING, GetTraceXmlPath()),
    };
    return e;
}

GameTableCheck::Expected SkillCase()
{
    typedef Table_Skill T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(Skill), GameTableCheck::HASH, 1023, 1024, 49, {}, {}, {}};
    e.declOrder = {
        43, 17, 8, 22, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 29, 2, 24, 23, 4, 0, 47, 32, 9, 12, 13, 14, 15, 16,
        30, 31, 10, 19, 5, 3, 18, 20, 48, 11, 45, 46, 44, 6, 21, 7, 28, 26, 25, 27};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_DESC, 2, STRING, GetDesc()),
        GTC_COL(ID_SKILLDESCID, 3, INT, GetSkillDescID()),
        GTC_COL(ID_ICON, 4, STRING, GetIcon()),
        GTC_COL(ID_SKILLCASTTYPE, 5, INT, GetSkillCastType()),
        GTC_COL(ID_SKILLTAG, 6, INT, GetSkillTag()),
        GTC_COL(ID_TYPE, 7, INT, GetType()),
        GTC_COL(ID_AUTOTYPE, 8, INT, GetAutoType()),
        GTC_COL(ID_LEVEL, 9, INT, GetLevel()),
        GTC_COL(ID_POWERCOST, 10, INT, GetPowerCost()),
        GTC_COL(ID_SKILLLOGIC, 11, INT, GetSkillLogic()),
        GTC_COL(ID_LOGICPARAM0, 12, INT, GetLogicParambyIndex(0)),
        GTC_COL(ID_LOGICPARAM1, 13, INT, GetLogicParambyIndex(1)),
        GTC_COL(ID_LOGICPARAM2, 14, INT, GetLogicParambyIndex(2)),
        GTC_COL(ID_LOGICPARAM3, 15, INT, GetLogicParambyIndex(3)),
        GTC_COL(ID_LOGICPARAM4, 16, INT, GetLogicParambyIndex(4)),
        GTC_COL(ID_AUTODIS, 17, FLOAT, GetAutoDis()),
        GTC_COL(ID_SKILLDIS, 18, FLOAT, GetSkillDis()),
        GTC_COL(ID_SKILLANGLE, 19, INT, GetSkillAngle()),
        GTC_COL(ID_SKILLDISATK, 20, FLOAT, GetSkillDisATK()),
        GTC_COL(ID_SKILLTIME, 21, INT, GetSkillTime()),
        GTC_COL(ID_CDTIMEID, 22, INT, GetCDTimeId()),
        GTC_COL(ID_EFFECTST, 23, INT, GetEffectST()),
        GTC_COL(ID_EFFECTET, 24, INT, GetEffectET()),
        GTC_COL(ID_USERMTS, 25, INT, GetUserMTS()),
        GTC_COL(ID_USERMTL, 26, INT, GetUserMTL()),
        GTC_COL(ID_USERMTSPEED, 27, FLOAT, GetUserMTSpeed()),
        GTC_COL(ID_USERMTDIR, 28, INT, GetUserMTDir()),
        GTC_COL(ID_DEFAULTNEXTTIME, 29, INT, GetDefaultNextTime()),
        GTC_COL(ID_NEXTID, 30, STRING, GetNextId()),
        GTC_COL(ID_NEXTTIME, 31, STRING, GetNextTime()),
        GTC_COL(ID_IGNOREOBSTACLE, 32, FLOAT, GetIgnoreObstacle()),
        GTC_COL(ID_CARRIERIMPACTID0, 33, INT, GetCarrierImpactIdbyIndex(0)),
        GTC_COL(ID_CARRIERIMPACTID1, 34, INT, GetCarrierImpactIdbyIndex(1)),
        GTC_COL(ID_CARRIERIMPACTID2, 35, INT, GetCarrierImpactIdbyIndex(2)),
        GTC_COL(ID_CARRIERIMPACTID3, 36, INT, GetCarrierImpactIdbyIndex(3)),
        GTC_COL(ID_CARRIERIMPACTID4, 37, INT, GetCarrierImpactIdbyIndex(4)),
        GTC_COL(ID_CARRIERIMPACTID5, 38, INT, GetCarrierImpactIdbyIndex(5)),
        GTC_COL(ID_CARRIERIMPACTID6, 39, INT, GetCarrierImpactIdbyIndex(6)),
        GTC_COL(ID_CARRIERIMPACTID7, 40, INT, GetCarrierImpactIdbyIndex(7)),
        GTC_COL(ID_CARRIERIMPACTID8, 41, INT, GetCarrierImpactIdbyIndex(8)),
        GTC_COL(ID_CARRIERIMPACTID9, 42, INT, GetCarrierImpactIdbyIndex(9)),
        GTC_COL(ID_ATKINTERVALTIME, 43, INT, GetAtkIntervalTime()),
        GTC_COL(ID_SKILLSWITCHTYPE, 44, INT, GetSkillSwitchType()),
        GTC_COL(ID_SKILLSWITCHCON, 45, INT, GetSkillSwitchCon()),
        GTC_COL(ID_SKILLSWITCHRES, 46, INT, GetSkillSwitchRes()),
        GTC_COL(ID_IGNORECONTROL, 47, INT, GetIgnoreControl()),
        GTC_COL(ID_SKILLFORINVAILD, 48, STRING, GetSkillForInvaild()),
    };
    e.counts = {GTC_COUNT(getCarrierImpactIdCount, 10), GTC_COUNT(getLogicParamCount, 5)};
    return e;
}

GameTableCheck::Expected PassiveSkillCase()
{
    typedef Table_PassiveSkill T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(PassiveSkill), GameTableCheck::HASH, 99999, 20000, 34, {}, {}, {}};
    e.declOrder = {
        33, 32, 24, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 2, 0, 23, 31, 25, 26, 27, 28, 29, 30,
        21, 22, 20, 19};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_EVENTTYPE, 2, INT, GetEventType()),
        GTC_COL(ID_EVENTPARAM_01, 3, STRING, GetEventParambyIndex(0)),
        GTC_COL(ID_EVENTPARAM_02, 4, STRING, GetEventParambyIndex(1)),
        GTC_COL(ID_EVENTPARAM_03, 5, STRING, GetEventParambyIndex(2)),
        GTC_COL(ID_EVENTPARAM_04, 6, STRING, GetEventParambyIndex(3)),
        GTC_COL(ID_EVENTPARAM_05, 7, STRING, GetEventParambyIndex(4)),
        GTC_COL(ID_EVENTPARAM_06, 8, STRING, GetEventParambyIndex(5)),
        GTC_COL(ID_EVENTPARAM_07, 9, STRING, GetEventParambyIndex(6)),
        GTC_COL(ID_EVENTPARAM_08, 10, STRING, GetEventParambyIndex(7)),
        GTC_COL(ID_EVENTPARAM_09, 11, STRING, GetEventParambyIndex(8)),
        GTC_COL(ID_EVENTPARAM_10, 12, STRING, GetEventParambyIndex(9)),
        GTC_COL(ID_EVENTPARAM_11, 13, STRING, GetEventParambyIndex(10)),
        GTC_COL(ID_EVENTPARAM_12, 14, STRING, GetEventParambyIndex(11)),
        GTC_COL(ID_EVENTPARAM_13, 15, STRING, GetEventParambyIndex(12)),
        GTC_COL(ID_EVENTPARAM_14, 16, STRING, GetEventParambyIndex(13)),
        GTC_COL(ID_EVENTPARAM_15, 17, STRING, GetEventParambyIndex(14)),
        GTC_COL(ID_EVENTPARAM_16, 18, STRING, GetEventParambyIndex(15)),
        GTC_COL(ID_TRIGLEINTERVAL, 19, INT, GetTrigleInterval()),
        GTC_COL(ID_TRIGGERTYPE, 20, INT, GetTriggerType()),
        GTC_COL(ID_TRIGGERPARAM_01, 21, STRING, GetTriggerParambyIndex(0)),
        GTC_COL(ID_TRIGGERPARAM_02, 22, STRING, GetTriggerParambyIndex(1)),
        GTC_COL(ID_ISATTACK, 23, INT, GetIsAttack()),
        GTC_COL(ID_EVENTFILTER, 24, INT, GetEventFilter()),
        GTC_COL(ID_LOGICID, 25, INT, GetLogicId()),
        GTC_COL(ID_PARAM_01, 26, STRING, GetParambyIndex(0)),
        GTC_COL(ID_PARAM_02, 27, STRING, GetParambyIndex(1)),
        GTC_COL(ID_PARAM_03, 28, STRING, GetParambyIndex(2)),
        GTC_COL(ID_PARAM_04, 29, STRING, GetParambyIndex(3)),
        GTC_COL(ID_PARAM_05, 30, STRING, GetParambyIndex(4)),
        GTC_COL(ID_LOCKCOST, 31, INT, GetLockCost()),
        GTC_COL(ID_DURATION, 32, INT, GetDuration()),
        GTC_COL(ID_BUFFCONFIGID, 33, INT, GetBuffConfigID()),
    };
    e.counts = {GTC_COUNT(getEventParamCount, 16), GTC_COUNT(getParamCount, 5), GTC_COUNT(getTriggerParamCount, 2)};
    return e;
}

GameTableCheck::Expected PassiveSkillRandCase()
{
    typedef Table_PassiveSkillRand T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(PassiveSkillRand), GameTableCheck::HASH, 8191, 8192, 3, {}, {}, {}};
    e.declOrder = {0, 2};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_PASSIVESKILLID, 2, STRING, GetPassiveSkillID()),
    };
    return e;
}

GameTableCheck::Expected CoolDownTimeCase()
{
    typedef Table_CoolDownTime T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(CoolDownTime), GameTableCheck::SEQUENCE, 999, 1000, 3, {}, {}, {}};
    e.declOrder = {2, 0};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_CDTIME, 2, INT, GetCDTime()),
    };
    return e;
}

GameTableCheck::Expected ImpactCase()
{
    typedef Table_Impact T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(Impact), GameTableCheck::SEQUENCE, 9999, 100000, 33, {}, {}, {}};
    e.declOrder = {
        32, 30, 31, 5, 7, 6, 10, 13, 11, 15, 0, 12, 9, 3, 16, 17, 2, 4, 8, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27,
        14, 28, 29};
    e.columns = {
        GTC_COL(ID_IMPACTID, 0, INT, GetImpactID()),
        GTC_COL(ID_NAME, 2, STRING, GetName()),
        GTC_COL(ID_MAXOVERLAYCOUNT, 3, INT, GetMaxOverlayCount()),
        GTC_COL(ID_NOTICETYPE, 4, INT, GetNoticeType()),
        GTC_COL(ID_BUFFICON, 5, STRING, GetBuffIcon()),
        GTC_COL(ID_BUFFTYPE, 6, INT, GetBuffType()),
        GTC_COL(ID_BUFFSUBTYPE, 7, INT, GetBuffSubType()),
        GTC_COL(ID_OVERLAYTYPE, 8, INT, GetOverlayType()),
        GTC_COL(ID_LOGICID, 9, INT, GetLogicID()),
        GTC_COL(ID_DELAYTIME, 10, INT, GetDelayTime()),
        GTC_COL(ID_EXISTTIME, 11, INT, GetExistTime()),
        GTC_COL(ID_INTERVALTIME, 12, INT, GetIntervalTime()),
        GTC_COL(ID_EFFECTID, 13, INT, GetEffectId()),
        GTC_COL(ID_PLAYTIME, 14, INT, GetPlayTime()),
        GTC_COL(ID_FADEOUTRULE, 15, INT, GetFadeOutRule()),
        GTC_COL(ID_MUTEXCOLLECTIONID, 16, INT, GetMutexcollectionId()),
        GTC_COL(ID_MUTEXPRIORITY, 17, INT, GetMutexpriority()),
        GTC_COL(ID_PARAMVALUE_01, 18, INT, GetParamValuebyIndex(0)),
        GTC_COL(ID_PARAMVALUE_02, 19, INT, GetParamValuebyIndex(1)),
        GTC_COL(ID_PARAMVALUE_03, 20, INT, GetParamValuebyIndex(2)),
        GTC_COL(ID_PARAMVALUE_04, 21, INT, GetParamValuebyIndex(3)),
        GTC_COL(ID_PARAMVALUE_05, 22, INT, GetParamValuebyIndex(4)),
        GTC_COL(ID_PARAMVALUE_06, 23, INT, GetParamValuebyIndex(5)),
        GTC_COL(ID_PARAMVALUE_07, 24, INT, GetParamValuebyIndex(6)),
        GTC_COL(ID_PARAMVALUE_08, 25, INT, GetParamValuebyIndex(7)),
        GTC_COL(ID_PARAMVALUE_09, 26, INT, GetParamValuebyIndex(8)),
        GTC_COL(ID_PARAMVALUE_10, 27, INT, GetParamValuebyIndex(9)),
        GTC_COL(ID_STRVALUE1, 28, STRING, GetStrValuebyIndex(0)),
        GTC_COL(ID_STRVALUE2, 29, STRING, GetStrValuebyIndex(1)),
        GTC_COL(ID_BUFFCHOOSE, 30, INT, GetBuffChoose()),
        GTC_COL(ID_BUFFDISCON, 31, INT, GetBuffDisCon()),
        GTC_COL(ID_BREAKDISRULE, 32, INT, GetBreakDisRule()),
    };
    e.counts = {GTC_COUNT(getParamValueCount, 10), GTC_COUNT(getStrValueCount, 2)};
    return e;
}

GameTableCheck::Expected ImpactCarrierCase()
{
    typedef Table_ImpactCarrier T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(ImpactCarrier), GameTableCheck::HASH, 1023, 1024, 27, {}, {}, {}};
    e.declOrder = {13, 14, 10, 11, 12, 3, 2, 8, 15, 16, 0, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 5, 6, 7, 9, 4};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_CARRIERTYPE, 2, INT, GetCarrierType()),
        GTC_COL(ID_CANBREAK, 3, INT, GetCanBreak()),
        GTC_COL(ID_TIMESTART, 4, INT, GetTimeStart()),
        GTC_COL(ID_POSX, 5, FLOAT, GetPosX()),
        GTC_COL(ID_POSZ, 6, FLOAT, GetPosZ()),
        GTC_COL(ID_SPEED, 7, FLOAT, GetSpeed()),
        GTC_COL(ID_DIR, 8, FLOAT, GetDir()),
        GTC_COL(ID_TIMEEND, 9, INT, GetTimeEnd()),
        GTC_COL(ID_BULLETEFFECTID, 10, INT, GetBulletEffectID()),
        GTC_COL(ID_BULLETEFFECTTYPE, 11, INT, GetBulletEffectType()),
        GTC_COL(ID_BULLETSOUNDID, 12, INT, GetBulletSoundID()),
        GTC_COL(ID_AREAEFFECTID, 13, INT, GetAreaEffectID()),
        GTC_COL(ID_AREASOUNDID, 14, INT, GetAreaSoundID()),
        GTC_COL(ID_ENDEFFECTID, 15, INT, GetEndEffectID()),
        GTC_COL(ID_ENDSOUNDID, 16, INT, GetEndSoundID()),
        GTC_COL(ID_IMPACT_0, 17, INT, GetImpactbyIndex(0)),
        GTC_COL(ID_IMPACT_1, 18, INT, GetImpactbyIndex(1)),
        GTC_COL(ID_IMPACT_2, 19, INT, GetImpactbyIndex(2)),
        GTC_COL(ID_IMPACT_3, 20, INT, GetImpactbyIndex(3)),
        GTC_COL(ID_IMPACT_4, 21, INT, GetImpactbyIndex(4)),
        GTC_COL(ID_IMPACT_5, 22, INT, GetImpactbyIndex(5)),
        GTC_COL(ID_IMPACT_6, 23, INT, GetImpactbyIndex(6)),
        GTC_COL(ID_IMPACT_7, 24, INT, GetImpactbyIndex(7)),
        GTC_COL(ID_IMPACT_8, 25, INT, GetImpactbyIndex(8)),
        GTC_COL(ID_IMPACT_9, 26, INT, GetImpactbyIndex(9)),
    };
    e.counts = {GTC_COUNT(getImpactCount, 10)};
    return e;
}

GameTableCheck::Expected ItemHitRateCase()
{
    typedef Table_ItemHitRate T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(ItemHitRate), GameTableCheck::SEQUENCE, 9999, 100000, 4, {}, {}, {}};
    e.declOrder = {2, 3, 0};
    e.columns = {
        GTC_COL(ID_IMPACTID, 0, INT, GetImpactID()),
        GTC_COL(ID_ATK, 2, STRING, GetAtk()),
        GTC_COL(ID_HITRATE, 3, STRING, GetHitRate()),
    };
    return e;
}

GameTableCheck::Expected MonsterCase()
{
    typedef Table_Monster T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(Monster), GameTableCheck::SEQUENCE, 9999, 10000, 87, {}, {}, {}};
    e.declOrder = {
        47, 41, 30, 31, 48, 34, 40, 5, 58, 57, 68, 76, 14, 16, 32, 13, 23, 20, 29, 54, 77, 53, 12, 26, 60, 59, 69,
        33, 21, 22, 78, 79, 44, 45, 74, 8, 51, 52, 18, 19, 0, 56, 82, 86, 85, 62, 66, 65, 50, 17, 7, 11, 84, 10, 3,
        4, 75, 71, 2, 80, 81, 36, 27, 28, 9, 83, 72, 38, 49, 39, 37, 73, 55, 15, 24, 25, 70, 67, 46, 6, 42, 35, 43,
        61, 64, 63};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_NAMEID, 2, INT, GetNameID()),
        GTC_COL(ID_MODELPATH, 3, STRING, GetModelPath()),
        GTC_COL(ID_MONSTERICON, 4, STRING, GetMonsterIcon()),
        GTC_COL(ID_BEHITR, 5, FLOAT, GetBeHitR()),
        GTC_COL(ID_TYPE, 6, INT, GetType()),
        GTC_COL(ID_LV, 7, INT, GetLv()),
        GTC_COL(ID_HP, 8, INT, GetHp()),
        GTC_COL(ID_POWER, 9, INT, GetPower()),
        GTC_COL(ID_MINATK, 10, INT, GetMinAtk()),
        GTC_COL(ID_MAXATK, 11, INT, GetMaxAtk()),
        GTC_COL(ID_DEF, 12, INT, GetDef()),
        GTC_COL(ID_DEDEFENSE, 13, INT, GetDeDefense()),
        GTC_COL(ID_CRIT, 14, INT, GetCrit()),
        GTC_COL(ID_SPEED, 15, INT, GetSpeed()),
        GTC_COL(ID_CRITMULT, 16, INT, GetCritMult()),
        GTC_COL(ID_LUCKY, 17, INT, GetLucky()),
        GTC_COL(ID_ICE, 18, INT, GetIce()),
        GTC_COL(ID_ICEDEF, 19, INT, GetIceDef()),
        GTC_COL(ID_DEICEDEF, 20, INT, GetDeIceDef()),
        GTC_COL(ID_FLAME, 21, INT, GetFlame()),
        GTC_COL(ID_FLAMEDEF, 22, INT, GetFlameDef()),
        GTC_COL(ID_DEFLAMEDEF, 23, INT, GetDeFlameDef()),
        GTC_COL(ID_THUNDER, 24, INT, GetThunder()),
        GTC_COL(ID_THUNDERDEF, 25, INT, GetThunderDef()),
        GTC_COL(ID_DEFTHUNDERDEF, 26, INT, GetDefThunderDef()),
        GTC_COL(ID_POISON, 27, INT, GetPoison()),
        GTC_COL(ID_POISONDEF, 28, INT, GetPoisonDef()),
        GTC_COL(ID_DEPOISONDEF, 29, INT, GetDePoisonDef()),
        GTC_COL(ID_ALLATTR, 30, INT, GetAllAttr()),
        GTC_COL(ID_ALLATTRDEF, 31, INT, GetAllAttrDef()),
        GTC_COL(ID_DEALLATTRDEF, 32, INT, GetDeAllAttrDef()),
        GTC_COL(ID_EXP, 33, INT, GetExp()),
        GTC_COL(ID_ATKTIME, 34, FLOAT, GetAtkTime()),
        GTC_COL(ID_WAITT, 35, FLOAT, GetWaitT()),
        GTC_COL(ID_PATROLT, 36, FLOAT, GetPatrolT()),
        GTC_COL(ID_RUNPROBABILITY, 37, FLOAT, GetRunprobability()),
        GTC_COL(ID_RELAXT, 38, FLOAT, GetRelaxT()),
        GTC_COL(ID_RUNS, 39, FLOAT, GetRunS()),
        GTC_COL(ID_BATTLES, 40, FLOAT, GetBattleS()),
        GTC_COL(ID_ACTIVE, 41, INT, GetActive()),
        GTC_COL(ID_VIEWR, 42, INT, GetViewR()),
        GTC_COL(ID_WATCHT, 43, FLOAT, GetWatchT()),
        GTC_COL(ID_HATER, 44, INT, GetHateR()),
        GTC_COL(ID_HATET, 45, FLOAT, GetHateT()),
        GTC_COL(ID_TURNS, 46, FLOAT, GetTurnS()),
        GTC_COL(ID_AIID, 47, INT, GetAIID()),
        GTC_COL(ID_ATKR, 48, FLOAT, GetAtkR()),
        GTC_COL(ID_REWARDSID, 49, INT, GetRewardsId()),
        GTC_COL(ID_LOCKR, 50, FLOAT, GetLockR()),
        GTC_COL(ID_HPBARLENGTH, 51, FLOAT, GetHpBarLength()),
        GTC_COL(ID_HPBARNUM, 52, INT, GetHpBarNum()),
        GTC_COL(ID_DEADTIME, 53, FLOAT, GetDeadTime()),
        GTC_COL(ID_DEADAUDIO, 54, INT, GetDeadAudio()),
        GTC_COL(ID_SCRIPTID, 55, INT, GetScriptId()),
        GTC_COL(ID_IMMUNEATTRIBUTE, 56, INT, GetImmuneAttribute()),
        GTC_COL(ID_BEHITSELFSOUNDNAME, 57, STRING, GetBehitSelfSoundName()),
        GTC_COL(ID_BEHITSELFSOUNDDELAYTIME, 58, STRING, GetBehitSelfSoundDelayTime()),
        GTC_COL(ID_DIEDSOUNDNAME, 59, STRING, GetDiedSoundName()),
        GTC_COL(ID_DIEDSOUNDDELAYTIME, 60, STRING, GetDiedSoundDelayTime()),
        GTC_COL(ID_WATERFOOTSTEPSOUNDNAME, 61, STRING, GetWaterFootstepSoundName()),
        GTC_COL(ID_LANDFOOTSTEPSOUNDNAME, 62, STRING, GetLandFootstepSoundName()),
        GTC_COL(ID_WATERUPHITSOUNDNAME, 63, STRING, GetWaterUpHitSoundName()),
        GTC_COL(ID_WATERUPHITSOUNDDELAYTIME, 64, STRING, GetWaterUpHitSoundDelayTime()),
        GTC_COL(ID_LANDUPHITSOUNDNAME, 65, STRING, GetLandUpHitSoundName()),
        GTC_COL(ID_LANDUPHITSOUNDDELAYTIME, 66, STRING, GetLandUpHitSoundDelayTime()),
        GTC_COL(ID_TRACEDIS, 67, FLOAT, GetTraceDis()),
        GTC_COL(ID_BORNBUFF, 68, INT, GetBornBuff()),
        GTC_COL(ID_DISAPPERBUFF, 69, INT, GetDisapperBuff()),
        GTC_COL(ID_TIME, 70, INT, GetTime()),
        GTC_COL(ID_MONSTERTYPE, 71, INT, GetMonsterType()),
        GTC_COL(ID_REFRESHADDTIME, 72, INT, GetRefreshAddTime()),
        GTC_COL(ID_SCENES, 73, STRING, GetScenes()),
        GTC_COL(ID_HITEDRATE, 74, INT, GetHitedRate()),
        GTC_COL(ID_MONSTERSCORE, 75, INT, GetMonsterScore()),
        GTC_COL(ID_COINEFFECTID, 76, INT, GetCoinEffectID()),
        GTC_COL(ID_DEADDISAPPEAR, 77, INT, GetDeadDisappear()),
        GTC_COL(ID_GAMEMODE, 78, INT, GetGameMode()),
        GTC_COL(ID_GAMEMODECFGID, 79, INT, GetGameModeCfgId()),
        GTC_COL(ID_NOTICEID, 80, INT, GetNoticeIDbyIndex(0)),
        GTC_COL(ID_NOTICEID1, 81, INT, GetNoticeIDbyIndex(1)),
        GTC_COL(ID_INVAILDSKILL, 82, INT, GetInvaildSkill()),
        GTC_COL(ID_POWERAFF, 83, INT, GetPowerAff()),
        GTC_COL(ID_MAXGROUPCOSTID, 84, INT, GetMaxGroupCostID()),
        GTC_COL(ID_ISCOUNT, 85, INT, GetIsCount()),
        GTC_COL(ID_INVITEVALUE, 86, INT, GetInviteValue()),
    };
    e.counts = {GTC_COUNT(getNoticeIDCount, 2)};
    return e;
}

GameTableCheck::Expected MonsterGroupCase()
{
    typedef Table_MonsterGroup T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(MonsterGroup), GameTableCheck::SEQUENCE, 99999, 100000, 12, {}, {}, {}};
    e.declOrder = {8, 2, 5, 3, 10, 0, 6, 9, 7, 11, 4};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_GAMEMODE, 2, INT, GetGameMode()),
        GTC_COL(ID_GROUPRATIO, 3, INT, GetGroupRatio()),
        GTC_COL(ID_TYPE, 4, INT, GetType()),
        GTC_COL(ID_GENERATETYPE, 5, INT, GetGenerateType()),
        GTC_COL(ID_MONSTERID, 6, STRING, GetMonsterID()),
        GTC_COL(ID_RATIO, 7, STRING, GetRatio()),
        GTC_COL(ID_COUNT, 8, INT, GetCount()),
        GTC_COL(ID_RADIUS, 9, FLOAT, GetRadius()),
        GTC_COL(ID_HATELINK, 10, INT, GetHateLink()),
        GTC_COL(ID_RESULT, 11, INT, GetResult()),
    };
    return e;
}

GameTableCheck::Expected MonsterMultipleCase()
{
    typedef Table_MonsterMultiple T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(MonsterMultiple), GameTableCheck::SEQUENCE, 9999, 10000, 6, {}, {}, {}};
    e.declOrder = {3, 2, 5, 0, 4};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_ATTACKNUM, 2, INT, GetAttackNum()),
        GTC_COL(ID_ADDMULTIPLE, 3, INT, GetAddMultiple()),
        GTC_COL(ID_MAXMULTIPLE, 4, INT, GetMaxMultiple()),
        GTC_COL(ID_HITEDRATE, 5, INT, GetHitedRate()),
    };
    return e;
}

GameTableCheck::Expected MonsterArmorBreakCase()
{
    typedef Table_MonsterArmorBreak T;
    GameTableCheck::Expected e = {GTC_FUNCS(MonsterArmorBreak),
        GameTableCheck::HASH, 99999, 20000, 13, {}, {}, {}};
    e.declOrder = {2, 6, 7, 8, 11, 12, 10, 9, 3, 4, 5, 0};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_ARMOR, 2, INT, GetArmor()),
        GTC_COL(ID_DEADAWARDID, 3, INT, GetDeadAwardID()),
        GTC_COL(ID_DEADAWARDNUM, 4, INT, GetDeadAwardNum()),
        GTC_COL(ID_DEADAWARDRATE, 5, INT, GetDeadAwardRate()),
        GTC_COL(ID_ARMORAWARDID, 6, STRING, GetArmorAwardID()),
        GTC_COL(ID_ARMORAWARDNUM, 7, STRING, GetArmorAwardNum()),
        GTC_COL(ID_ARMORAWARDRATE, 8, STRING, GetArmorAwardRate()),
        GTC_COL(ID_BONUSMIN, 9, INT, GetBonusMin()),
        GTC_COL(ID_BONUSMAX, 10, INT, GetBonusMax()),
        GTC_COL(ID_BONUSAWARDPERCOST, 11, INT, GetBonusAwardPerCost()),
        GTC_COL(ID_BONUSAWARDTYPE, 12, INT, GetBonusAwardType()),
    };
    return e;
}

GameTableCheck::Expected MonsterCountDwonTimeCase()
{
    typedef Table_MonsterCountDwonTime T;
    GameTableCheck::Expected e = {GTC_FUNCS(MonsterCountDwonTime),
        GameTableCheck::HASH, 500, 500, 6, {}, {}, {}};
    e.declOrder = {4, 0, 2, 5, 3};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_LIFETIME, 2, INT, GetLifeTime()),
        GTC_COL(ID_TIMESTAGE, 3, STRING, GetTimeStage()),
        GTC_COL(ID_HITEDRATESTAGE, 4, STRING, GetHitedRateStage()),
        GTC_COL(ID_SCORESTAGE, 5, STRING, GetScoreStage()),
    };
    return e;
}

GameTableCheck::Expected BossSwingCase()
{
    typedef Table_BossSwing T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(BossSwing), GameTableCheck::HASH, 500, 500, 6, {}, {}, {}};
    e.declOrder = {0, 2, 3, 4, 5};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_MPDEPOSITMAX, 2, INT, GetMPDepositMax()),
        GTC_COL(ID_MPINIT, 3, INT, GetMPInit()),
        GTC_COL(ID_MPLIMIT, 4, INT, GetMPLimit()),
        GTC_COL(ID_USRPRO, 5, INT, GetUsrPro()),
    };
    return e;
}

GameTableCheck::Expected MaxGroupCostCase()
{
    typedef Table_MaxGroupCost T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(MaxGroupCost), GameTableCheck::SEQUENCE, 99, 100, 4, {}, {}, {}};
    e.declOrder = {3, 2, 0};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_GROUPMAXCOST, 2, INT, GetGroupMaxCost()),
        GTC_COL(ID_GROUPCOEFFICIENT, 3, INT, GetGroupCoefficient()),
    };
    return e;
}

GameTableCheck::Expected MaxMonsterCostCase()
{
    typedef Table_MaxMonsterCost T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(MaxMonsterCost), GameTableCheck::SEQUENCE, 99, 100, 5, {}, {}, {}};
    e.declOrder = {0, 2, 3, 4};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_MONSTERID, 2, INT, GetMonsterID()),
        GTC_COL(ID_MONSTERMAXCOST, 3, INT, GetMonsterMaxCost()),
        GTC_COL(ID_MONSTERSLOT, 4, INT, GetMonsterSlot()),
    };
    return e;
}

TEST(CombatTables, EachTableReadsItsColumnsAndKeepsItsLimits)
{
    GameTableCheck::CheckTable(AICase());
    GameTableCheck::CheckTable(AITreesCase());
    GameTableCheck::CheckTable(SkillCase());
    GameTableCheck::CheckTable(PassiveSkillCase());
    GameTableCheck::CheckTable(PassiveSkillRandCase());
    GameTableCheck::CheckTable(CoolDownTimeCase());
    GameTableCheck::CheckTable(ImpactCase());
    GameTableCheck::CheckTable(ImpactCarrierCase());
    GameTableCheck::CheckTable(ItemHitRateCase());
    GameTableCheck::CheckTable(MonsterCase());
    GameTableCheck::CheckTable(MonsterGroupCase());
    GameTableCheck::CheckTable(MonsterMultipleCase());
    GameTableCheck::CheckTable(MonsterArmorBreakCase());
    GameTableCheck::CheckTable(MonsterCountDwonTimeCase());
    GameTableCheck::CheckTable(BossSwingCase());
    GameTableCheck::CheckTable(MaxGroupCostCase());
    GameTableCheck::CheckTable(MaxMonsterCostCase());
}

// Every table takes as many records as its limits allow, IDs in any order.
TEST(CombatTables, EachTableLoadsAFullFile)
{
    GameTableCheck::CheckFullLoad(AICase());
    GameTableCheck::CheckFullLoad(AITreesCase());
    GameTableCheck::CheckFullLoad(SkillCase());
    GameTableCheck::CheckFullLoad(PassiveSkillCase());
    GameTableCheck::CheckFullLoad(PassiveSkillRandCase());
    GameTableCheck::CheckFullLoad(CoolDownTimeCase());
    GameTableCheck::CheckFullLoad(ImpactCase());
    GameTableCheck::CheckFullLoad(ImpactCarrierCase());
    GameTableCheck::CheckFullLoad(ItemHitRateCase());
    GameTableCheck::CheckFullLoad(MonsterCase());
    GameTableCheck::CheckFullLoad(MonsterGroupCase());
    GameTableCheck::CheckFullLoad(MonsterMultipleCase());
    GameTableCheck::CheckFullLoad(MonsterArmorBreakCase());
    GameTableCheck::CheckFullLoad(MonsterCountDwonTimeCase());
    GameTableCheck::CheckFullLoad(BossSwingCase());
    GameTableCheck::CheckFullLoad(MaxGroupCostCase());
    GameTableCheck::CheckFullLoad(MaxMonsterCostCase());
}

// A number member over a column of another type word is refused with a report naming the
// table and the column; the table stays empty instead of holding garbage.
TEST(CombatTables, ANumberMemberNeedsItsOwnTypeWord)
{
    const GameTableCheck::Expected c = ImpactCarrierCase();
    const std::string L = "bool Table_ImpactCarrier::__Load(DBC_Loader&)";
    const std::string F = "bool InitTable_ImpactCarrierTable(const tchar*)";
    struct Case
    {
        tint32 nColumn;
        const char* szType;
        const char* szCell;
        std::string strReport;
    };
    const Case cases[] = {
        {5, "INT", "7",
         "void DBC_Loader::ReadDirect(tfloat32&, tint32, const tchar*, const tchar*) | DBCFile::T_FLOAT==FieldType | "
         "ImpactCarrier ID_POSX: column 5 is INT, not FLOAT"},
        {8, "STRING", "north",
         "void DBC_Loader::ReadDirect(tfloat32&, tint32, const tchar*, const tchar*) | DBCFile::T_FLOAT==FieldType | "
         "ImpactCarrier ID_DIR: column 8 is STRING, not FLOAT"},
        {2, "STRING", "Shop of the north",
         "void DBC_Loader::ReadDirect(tint32&, tint32, const tchar*, const tchar*) | DBCFile::T_INT==FieldType | "
         "ImpactCarrier ID_CARRIERTYPE: column 2 is STRING, not INT"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.strReport);
        TempWorkDir dir;
        std::string strTypes = "INT\tSTRING";
        std::string strRow = "1\tx";
        for (tint32 i = 2; i < c.nColumns; ++i) {
            const bool bFloat = i >= 5 && i <= 8;
            strTypes += std::string("\t") + (i == k.nColumn ? k.szType : bFloat ? "FLOAT" : "INT");
            strRow += std::string("\t") + (i == k.nColumn ? k.szCell : bFloat ? "7.5" : "7");
        }
        dir.WriteFile("Config/ImpactCarrier.txt", DBCTest::TextTable(strTypes, {strRow}));
        DBCTest::ExpectReportThrown([] { InitTable_ImpactCarrierTable("Config/ImpactCarrier.txt"); });
        const std::vector<std::string> expected = {k.strReport, L + " | false | " + L, F + " | false | " + F};
        EXPECT_EQ(expected, DBCTest::AssertSummary(dir));
        EXPECT_EQ(nullptr, GetTable_ImpactCarrierByID(1));
    }
}
}   // namespace
