// The combat tables: AI, skills, impacts, monsters, monster pacing and costs. Each table is
// one case below, written from its column table; the checks are in GameTables6TestUtil.h.

#include "GameTables6TestUtil.h"

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
GT6::TableCase AICase()
{
    typedef Table_AI T;
    GT6::TableCase c = {GT6_FUNCS(AI), "Config/AI.txt", GT6::SEQUENCE, 999, 1000, 24, {}, {}};
    c.columns = {
        GT6_COL(ID_1, 0, INT, Get1()),
        GT6_COL(ID_AIID, 22, INT, GetAIID()),
        GT6_COL(ID_ATKDIS, 21, FLOAT, GetAtkDis()),
        GT6_COL(ID_BATTLES, 10, FLOAT, GetBattleS()),
        GT6_COL(ID_CATCHDIS, 20, FLOAT, GetCatchDis()),
        GT6_COL(ID_HATER, 18, FLOAT, GetHateR()),
        GT6_COL(ID_HATET, 19, FLOAT, GetHateT()),
        GT6_COL(ID_HELPID1, 15, INT, GetHelpIDbyIndex(0)),
        GT6_COL(ID_HELPID2, 16, INT, GetHelpIDbyIndex(1)),
        GT6_COL(ID_HELPID3, 17, INT, GetHelpIDbyIndex(2)),
        GT6_COL(ID_HELPNUM, 13, INT, GetHelpNum()),
        GT6_COL(ID_HELPR, 12, INT, GetHelpR()),
        GT6_COL(ID_HELPTARGETTYPE, 14, INT, GetHelpTargetType()),
        GT6_COL(ID_HELPTYPE, 11, INT, GetHelpType()),
        GT6_COL(ID_PATROLT, 6, FLOAT, GetPatrolT()),
        GT6_COL(ID_PATROLWAITTIME, 23, INT, GetPatrolWaitTime()),
        GT6_COL(ID_RELAXT, 8, FLOAT, GetRelaxT()),
        GT6_COL(ID_RUNS, 9, FLOAT, GetRunS()),
        GT6_COL(ID_RUNPROBABILITY, 7, FLOAT, GetRunprobability()),
        GT6_COL(ID_VIEWANGLE, 2, INT, GetViewAngle()),
        GT6_COL(ID_VIEWH, 4, INT, GetViewH()),
        GT6_COL(ID_VIEWR, 3, INT, GetViewR()),
        GT6_COL(ID_WATCHT, 5, FLOAT, GetWatchT()),
    };
    c.counts = {GT6_COUNT(getHelpIDCount, 3)};
    return c;
}

GT6::TableCase AITreesCase()
{
    typedef Table_AITrees T;
    GT6::TableCase c = {GT6_FUNCS(AITrees), "Config/AITrees.txt", GT6::SEQUENCE, 999, 1000, 6, {}, {}};
    c.columns = {
        GT6_COL(ID_ADVANCEDSKILLXMLPATH, 3, STRING, GetAdvancedSkillXmlPath()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_RUNAWAYXMLPATH, 4, STRING, GetRunAwayXmlPath()),
        GT6_COL(ID_SKILLXMLPATH, 2, STRING, GetSkillXmlPath()),
        GT6_COL(ID_TRACEXMLPATH, 5, STRING, GetTraceXmlPath()),
    };
    return c;
}

GT6::TableCase SkillCase()
{
    typedef Table_Skill T;
    GT6::TableCase c = {GT6_FUNCS(Skill), "Config/Skill.txt", GT6::HASH, 1023, 1024, 49, {}, {}};
    c.columns = {
        GT6_COL(ID_ATKINTERVALTIME, 43, INT, GetAtkIntervalTime()),
        GT6_COL(ID_AUTODIS, 17, FLOAT, GetAutoDis()),
        GT6_COL(ID_AUTOTYPE, 8, INT, GetAutoType()),
        GT6_COL(ID_CDTIMEID, 22, INT, GetCDTimeId()),
        GT6_COL(ID_CARRIERIMPACTID0, 33, INT, GetCarrierImpactIdbyIndex(0)),
        GT6_COL(ID_CARRIERIMPACTID1, 34, INT, GetCarrierImpactIdbyIndex(1)),
        GT6_COL(ID_CARRIERIMPACTID2, 35, INT, GetCarrierImpactIdbyIndex(2)),
        GT6_COL(ID_CARRIERIMPACTID3, 36, INT, GetCarrierImpactIdbyIndex(3)),
        GT6_COL(ID_CARRIERIMPACTID4, 37, INT, GetCarrierImpactIdbyIndex(4)),
        GT6_COL(ID_CARRIERIMPACTID5, 38, INT, GetCarrierImpactIdbyIndex(5)),
        GT6_COL(ID_CARRIERIMPACTID6, 39, INT, GetCarrierImpactIdbyIndex(6)),
        GT6_COL(ID_CARRIERIMPACTID7, 40, INT, GetCarrierImpactIdbyIndex(7)),
        GT6_COL(ID_CARRIERIMPACTID8, 41, INT, GetCarrierImpactIdbyIndex(8)),
        GT6_COL(ID_CARRIERIMPACTID9, 42, INT, GetCarrierImpactIdbyIndex(9)),
        GT6_COL(ID_DEFAULTNEXTTIME, 29, INT, GetDefaultNextTime()),
        GT6_COL(ID_DESC, 2, STRING, GetDesc()),
        GT6_COL(ID_EFFECTET, 24, INT, GetEffectET()),
        GT6_COL(ID_EFFECTST, 23, INT, GetEffectST()),
        GT6_COL(ID_ICON, 4, STRING, GetIcon()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_IGNORECONTROL, 47, INT, GetIgnoreControl()),
        GT6_COL(ID_IGNOREOBSTACLE, 32, FLOAT, GetIgnoreObstacle()),
        GT6_COL(ID_LEVEL, 9, INT, GetLevel()),
        GT6_COL(ID_LOGICPARAM0, 12, INT, GetLogicParambyIndex(0)),
        GT6_COL(ID_LOGICPARAM1, 13, INT, GetLogicParambyIndex(1)),
        GT6_COL(ID_LOGICPARAM2, 14, INT, GetLogicParambyIndex(2)),
        GT6_COL(ID_LOGICPARAM3, 15, INT, GetLogicParambyIndex(3)),
        GT6_COL(ID_LOGICPARAM4, 16, INT, GetLogicParambyIndex(4)),
        GT6_COL(ID_NEXTID, 30, STRING, GetNextId()),
        GT6_COL(ID_NEXTTIME, 31, STRING, GetNextTime()),
        GT6_COL(ID_POWERCOST, 10, INT, GetPowerCost()),
        GT6_COL(ID_SKILLANGLE, 19, INT, GetSkillAngle()),
        GT6_COL(ID_SKILLCASTTYPE, 5, INT, GetSkillCastType()),
        GT6_COL(ID_SKILLDESCID, 3, INT, GetSkillDescID()),
        GT6_COL(ID_SKILLDIS, 18, FLOAT, GetSkillDis()),
        GT6_COL(ID_SKILLDISATK, 20, FLOAT, GetSkillDisATK()),
        GT6_COL(ID_SKILLFORINVAILD, 48, STRING, GetSkillForInvaild()),
        GT6_COL(ID_SKILLLOGIC, 11, INT, GetSkillLogic()),
        GT6_COL(ID_SKILLSWITCHCON, 45, INT, GetSkillSwitchCon()),
        GT6_COL(ID_SKILLSWITCHRES, 46, INT, GetSkillSwitchRes()),
        GT6_COL(ID_SKILLSWITCHTYPE, 44, INT, GetSkillSwitchType()),
        GT6_COL(ID_SKILLTAG, 6, INT, GetSkillTag()),
        GT6_COL(ID_SKILLTIME, 21, INT, GetSkillTime()),
        GT6_COL(ID_TYPE, 7, INT, GetType()),
        GT6_COL(ID_USERMTDIR, 28, INT, GetUserMTDir()),
        GT6_COL(ID_USERMTL, 26, INT, GetUserMTL()),
        GT6_COL(ID_USERMTS, 25, INT, GetUserMTS()),
        GT6_COL(ID_USERMTSPEED, 27, FLOAT, GetUserMTSpeed()),
    };
    c.counts = {GT6_COUNT(getCarrierImpactIdCount, 10), GT6_COUNT(getLogicParamCount, 5)};
    return c;
}

GT6::TableCase PassiveSkillCase()
{
    typedef Table_PassiveSkill T;
    GT6::TableCase c = {GT6_FUNCS(PassiveSkill), "Config/PassiveSkill.txt", GT6::HASH, 99999, 20000, 34, {}, {}};
    c.columns = {
        GT6_COL(ID_BUFFCONFIGID, 33, INT, GetBuffConfigID()),
        GT6_COL(ID_DURATION, 32, INT, GetDuration()),
        GT6_COL(ID_EVENTFILTER, 24, INT, GetEventFilter()),
        GT6_COL(ID_EVENTPARAM_01, 3, STRING, GetEventParambyIndex(0)),
        GT6_COL(ID_EVENTPARAM_02, 4, STRING, GetEventParambyIndex(1)),
        GT6_COL(ID_EVENTPARAM_03, 5, STRING, GetEventParambyIndex(2)),
        GT6_COL(ID_EVENTPARAM_04, 6, STRING, GetEventParambyIndex(3)),
        GT6_COL(ID_EVENTPARAM_05, 7, STRING, GetEventParambyIndex(4)),
        GT6_COL(ID_EVENTPARAM_06, 8, STRING, GetEventParambyIndex(5)),
        GT6_COL(ID_EVENTPARAM_07, 9, STRING, GetEventParambyIndex(6)),
        GT6_COL(ID_EVENTPARAM_08, 10, STRING, GetEventParambyIndex(7)),
        GT6_COL(ID_EVENTPARAM_09, 11, STRING, GetEventParambyIndex(8)),
        GT6_COL(ID_EVENTPARAM_10, 12, STRING, GetEventParambyIndex(9)),
        GT6_COL(ID_EVENTPARAM_11, 13, STRING, GetEventParambyIndex(10)),
        GT6_COL(ID_EVENTPARAM_12, 14, STRING, GetEventParambyIndex(11)),
        GT6_COL(ID_EVENTPARAM_13, 15, STRING, GetEventParambyIndex(12)),
        GT6_COL(ID_EVENTPARAM_14, 16, STRING, GetEventParambyIndex(13)),
        GT6_COL(ID_EVENTPARAM_15, 17, STRING, GetEventParambyIndex(14)),
        GT6_COL(ID_EVENTPARAM_16, 18, STRING, GetEventParambyIndex(15)),
        GT6_COL(ID_EVENTTYPE, 2, INT, GetEventType()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_ISATTACK, 23, INT, GetIsAttack()),
        GT6_COL(ID_LOCKCOST, 31, INT, GetLockCost()),
        GT6_COL(ID_LOGICID, 25, INT, GetLogicId()),
        GT6_COL(ID_PARAM_01, 26, STRING, GetParambyIndex(0)),
        GT6_COL(ID_PARAM_02, 27, STRING, GetParambyIndex(1)),
        GT6_COL(ID_PARAM_03, 28, STRING, GetParambyIndex(2)),
        GT6_COL(ID_PARAM_04, 29, STRING, GetParambyIndex(3)),
        GT6_COL(ID_PARAM_05, 30, STRING, GetParambyIndex(4)),
        GT6_COL(ID_TRIGGERPARAM_01, 21, STRING, GetTriggerParambyIndex(0)),
        GT6_COL(ID_TRIGGERPARAM_02, 22, STRING, GetTriggerParambyIndex(1)),
        GT6_COL(ID_TRIGGERTYPE, 20, INT, GetTriggerType()),
        GT6_COL(ID_TRIGLEINTERVAL, 19, INT, GetTrigleInterval()),
    };
    c.counts = {GT6_COUNT(getEventParamCount, 16), GT6_COUNT(getParamCount, 5), GT6_COUNT(getTriggerParamCount, 2)};
    return c;
}

GT6::TableCase PassiveSkillRandCase()
{
    typedef Table_PassiveSkillRand T;
    GT6::TableCase c = {GT6_FUNCS(PassiveSkillRand), "Config/PassiveSkillRand.txt", GT6::HASH, 8191, 8192, 3, {}, {}};
    c.columns = {
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_PASSIVESKILLID, 2, STRING, GetPassiveSkillID()),
    };
    return c;
}

GT6::TableCase CoolDownTimeCase()
{
    typedef Table_CoolDownTime T;
    GT6::TableCase c = {GT6_FUNCS(CoolDownTime), "Config/CoolDownTime.txt", GT6::SEQUENCE, 999, 1000, 3, {}, {}};
    c.columns = {
        GT6_COL(ID_CDTIME, 2, INT, GetCDTime()),
        GT6_COL(ID_ID, 0, INT, GetId()),
    };
    return c;
}

GT6::TableCase ImpactCase()
{
    typedef Table_Impact T;
    GT6::TableCase c = {GT6_FUNCS(Impact), "Config/Impact.txt", GT6::SEQUENCE, 9999, 100000, 33, {}, {}};
    c.columns = {
        GT6_COL(ID_BREAKDISRULE, 32, INT, GetBreakDisRule()),
        GT6_COL(ID_BUFFCHOOSE, 30, INT, GetBuffChoose()),
        GT6_COL(ID_BUFFDISCON, 31, INT, GetBuffDisCon()),
        GT6_COL(ID_BUFFICON, 5, STRING, GetBuffIcon()),
        GT6_COL(ID_BUFFSUBTYPE, 7, INT, GetBuffSubType()),
        GT6_COL(ID_BUFFTYPE, 6, INT, GetBuffType()),
        GT6_COL(ID_DELAYTIME, 10, INT, GetDelayTime()),
        GT6_COL(ID_EFFECTID, 13, INT, GetEffectId()),
        GT6_COL(ID_EXISTTIME, 11, INT, GetExistTime()),
        GT6_COL(ID_FADEOUTRULE, 15, INT, GetFadeOutRule()),
        GT6_COL(ID_IMPACTID, 0, INT, GetImpactID()),
        GT6_COL(ID_INTERVALTIME, 12, INT, GetIntervalTime()),
        GT6_COL(ID_LOGICID, 9, INT, GetLogicID()),
        GT6_COL(ID_MAXOVERLAYCOUNT, 3, INT, GetMaxOverlayCount()),
        GT6_COL(ID_MUTEXCOLLECTIONID, 16, INT, GetMutexcollectionId()),
        GT6_COL(ID_MUTEXPRIORITY, 17, INT, GetMutexpriority()),
        GT6_COL(ID_NAME, 2, STRING, GetName()),
        GT6_COL(ID_NOTICETYPE, 4, INT, GetNoticeType()),
        GT6_COL(ID_OVERLAYTYPE, 8, INT, GetOverlayType()),
        GT6_COL(ID_PARAMVALUE_01, 18, INT, GetParamValuebyIndex(0)),
        GT6_COL(ID_PARAMVALUE_02, 19, INT, GetParamValuebyIndex(1)),
        GT6_COL(ID_PARAMVALUE_03, 20, INT, GetParamValuebyIndex(2)),
        GT6_COL(ID_PARAMVALUE_04, 21, INT, GetParamValuebyIndex(3)),
        GT6_COL(ID_PARAMVALUE_05, 22, INT, GetParamValuebyIndex(4)),
        GT6_COL(ID_PARAMVALUE_06, 23, INT, GetParamValuebyIndex(5)),
        GT6_COL(ID_PARAMVALUE_07, 24, INT, GetParamValuebyIndex(6)),
        GT6_COL(ID_PARAMVALUE_08, 25, INT, GetParamValuebyIndex(7)),
        GT6_COL(ID_PARAMVALUE_09, 26, INT, GetParamValuebyIndex(8)),
        GT6_COL(ID_PARAMVALUE_10, 27, INT, GetParamValuebyIndex(9)),
        GT6_COL(ID_PLAYTIME, 14, INT, GetPlayTime()),
        GT6_COL(ID_STRVALUE1, 28, STRING, GetStrValuebyIndex(0)),
        GT6_COL(ID_STRVALUE2, 29, STRING, GetStrValuebyIndex(1)),
    };
    c.counts = {GT6_COUNT(getParamValueCount, 10), GT6_COUNT(getStrValueCount, 2)};
    return c;
}

GT6::TableCase ImpactCarrierCase()
{
    typedef Table_ImpactCarrier T;
    GT6::TableCase c = {GT6_FUNCS(ImpactCarrier), "Config/ImpactCarrier.txt", GT6::HASH, 1023, 1024, 27, {}, {}};
    c.columns = {
        GT6_COL(ID_AREAEFFECTID, 13, INT, GetAreaEffectID()),
        GT6_COL(ID_AREASOUNDID, 14, INT, GetAreaSoundID()),
        GT6_COL(ID_BULLETEFFECTID, 10, INT, GetBulletEffectID()),
        GT6_COL(ID_BULLETEFFECTTYPE, 11, INT, GetBulletEffectType()),
        GT6_COL(ID_BULLETSOUNDID, 12, INT, GetBulletSoundID()),
        GT6_COL(ID_CANBREAK, 3, INT, GetCanBreak()),
        GT6_COL(ID_CARRIERTYPE, 2, INT, GetCarrierType()),
        GT6_COL(ID_DIR, 8, FLOAT, GetDir()),
        GT6_COL(ID_ENDEFFECTID, 15, INT, GetEndEffectID()),
        GT6_COL(ID_ENDSOUNDID, 16, INT, GetEndSoundID()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_IMPACT_0, 17, INT, GetImpactbyIndex(0)),
        GT6_COL(ID_IMPACT_1, 18, INT, GetImpactbyIndex(1)),
        GT6_COL(ID_IMPACT_2, 19, INT, GetImpactbyIndex(2)),
        GT6_COL(ID_IMPACT_3, 20, INT, GetImpactbyIndex(3)),
        GT6_COL(ID_IMPACT_4, 21, INT, GetImpactbyIndex(4)),
        GT6_COL(ID_IMPACT_5, 22, INT, GetImpactbyIndex(5)),
        GT6_COL(ID_IMPACT_6, 23, INT, GetImpactbyIndex(6)),
        GT6_COL(ID_IMPACT_7, 24, INT, GetImpactbyIndex(7)),
        GT6_COL(ID_IMPACT_8, 25, INT, GetImpactbyIndex(8)),
        GT6_COL(ID_IMPACT_9, 26, INT, GetImpactbyIndex(9)),
        GT6_COL(ID_POSX, 5, FLOAT, GetPosX()),
        GT6_COL(ID_POSZ, 6, FLOAT, GetPosZ()),
        GT6_COL(ID_SPEED, 7, FLOAT, GetSpeed()),
        GT6_COL(ID_TIMEEND, 9, INT, GetTimeEnd()),
        GT6_COL(ID_TIMESTART, 4, INT, GetTimeStart()),
    };
    c.counts = {GT6_COUNT(getImpactCount, 10)};
    return c;
}

GT6::TableCase ItemHitRateCase()
{
    typedef Table_ItemHitRate T;
    GT6::TableCase c = {GT6_FUNCS(ItemHitRate), "Config/ItemHitRate.txt", GT6::SEQUENCE, 9999, 100000, 4, {}, {}};
    c.columns = {
        GT6_COL(ID_ATK, 2, STRING, GetAtk()),
        GT6_COL(ID_HITRATE, 3, STRING, GetHitRate()),
        GT6_COL(ID_IMPACTID, 0, INT, GetImpactID()),
    };
    return c;
}

GT6::TableCase MonsterCase()
{
    typedef Table_Monster T;
    GT6::TableCase c = {GT6_FUNCS(Monster), "Config/Monster.txt", GT6::SEQUENCE, 9999, 10000, 87, {}, {}};
    c.columns = {
        GT6_COL(ID_AIID, 47, INT, GetAIID()),
        GT6_COL(ID_ACTIVE, 41, INT, GetActive()),
        GT6_COL(ID_ALLATTR, 30, INT, GetAllAttr()),
        GT6_COL(ID_ALLATTRDEF, 31, INT, GetAllAttrDef()),
        GT6_COL(ID_ATKR, 48, FLOAT, GetAtkR()),
        GT6_COL(ID_ATKTIME, 34, FLOAT, GetAtkTime()),
        GT6_COL(ID_BATTLES, 40, FLOAT, GetBattleS()),
        GT6_COL(ID_BEHITR, 5, FLOAT, GetBeHitR()),
        GT6_COL(ID_BEHITSELFSOUNDDELAYTIME, 58, STRING, GetBehitSelfSoundDelayTime()),
        GT6_COL(ID_BEHITSELFSOUNDNAME, 57, STRING, GetBehitSelfSoundName()),
        GT6_COL(ID_BORNBUFF, 68, INT, GetBornBuff()),
        GT6_COL(ID_COINEFFECTID, 76, INT, GetCoinEffectID()),
        GT6_COL(ID_CRIT, 14, INT, GetCrit()),
        GT6_COL(ID_CRITMULT, 16, INT, GetCritMult()),
        GT6_COL(ID_DEALLATTRDEF, 32, INT, GetDeAllAttrDef()),
        GT6_COL(ID_DEDEFENSE, 13, INT, GetDeDefense()),
        GT6_COL(ID_DEFLAMEDEF, 23, INT, GetDeFlameDef()),
        GT6_COL(ID_DEICEDEF, 20, INT, GetDeIceDef()),
        GT6_COL(ID_DEPOISONDEF, 29, INT, GetDePoisonDef()),
        GT6_COL(ID_DEADAUDIO, 54, INT, GetDeadAudio()),
        GT6_COL(ID_DEADDISAPPEAR, 77, INT, GetDeadDisappear()),
        GT6_COL(ID_DEADTIME, 53, FLOAT, GetDeadTime()),
        GT6_COL(ID_DEF, 12, INT, GetDef()),
        GT6_COL(ID_DEFTHUNDERDEF, 26, INT, GetDefThunderDef()),
        GT6_COL(ID_DIEDSOUNDDELAYTIME, 60, STRING, GetDiedSoundDelayTime()),
        GT6_COL(ID_DIEDSOUNDNAME, 59, STRING, GetDiedSoundName()),
        GT6_COL(ID_DISAPPERBUFF, 69, INT, GetDisapperBuff()),
        GT6_COL(ID_EXP, 33, INT, GetExp()),
        GT6_COL(ID_FLAME, 21, INT, GetFlame()),
        GT6_COL(ID_FLAMEDEF, 22, INT, GetFlameDef()),
        GT6_COL(ID_GAMEMODE, 78, INT, GetGameMode()),
        GT6_COL(ID_GAMEMODECFGID, 79, INT, GetGameModeCfgId()),
        GT6_COL(ID_HATER, 44, INT, GetHateR()),
        GT6_COL(ID_HATET, 45, FLOAT, GetHateT()),
        GT6_COL(ID_HITEDRATE, 74, INT, GetHitedRate()),
        GT6_COL(ID_HP, 8, INT, GetHp()),
        GT6_COL(ID_HPBARLENGTH, 51, FLOAT, GetHpBarLength()),
        GT6_COL(ID_HPBARNUM, 52, INT, GetHpBarNum()),
        GT6_COL(ID_ICE, 18, INT, GetIce()),
        GT6_COL(ID_ICEDEF, 19, INT, GetIceDef()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_IMMUNEATTRIBUTE, 56, INT, GetImmuneAttribute()),
        GT6_COL(ID_INVAILDSKILL, 82, INT, GetInvaildSkill()),
        GT6_COL(ID_INVITEVALUE, 86, INT, GetInviteValue()),
        GT6_COL(ID_ISCOUNT, 85, INT, GetIsCount()),
        GT6_COL(ID_LANDFOOTSTEPSOUNDNAME, 62, STRING, GetLandFootstepSoundName()),
        GT6_COL(ID_LANDUPHITSOUNDDELAYTIME, 66, STRING, GetLandUpHitSoundDelayTime()),
        GT6_COL(ID_LANDUPHITSOUNDNAME, 65, STRING, GetLandUpHitSoundName()),
        GT6_COL(ID_LOCKR, 50, FLOAT, GetLockR()),
        GT6_COL(ID_LUCKY, 17, INT, GetLucky()),
        GT6_COL(ID_LV, 7, INT, GetLv()),
        GT6_COL(ID_MAXATK, 11, INT, GetMaxAtk()),
        GT6_COL(ID_MAXGROUPCOSTID, 84, INT, GetMaxGroupCostID()),
        GT6_COL(ID_MINATK, 10, INT, GetMinAtk()),
        GT6_COL(ID_MODELPATH, 3, STRING, GetModelPath()),
        GT6_COL(ID_MONSTERICON, 4, STRING, GetMonsterIcon()),
        GT6_COL(ID_MONSTERSCORE, 75, INT, GetMonsterScore()),
        GT6_COL(ID_MONSTERTYPE, 71, INT, GetMonsterType()),
        GT6_COL(ID_NAMEID, 2, INT, GetNameID()),
        GT6_COL(ID_NOTICEID, 80, INT, GetNoticeIDbyIndex(0)),
        GT6_COL(ID_NOTICEID1, 81, INT, GetNoticeIDbyIndex(1)),
        GT6_COL(ID_PATROLT, 36, FLOAT, GetPatrolT()),
        GT6_COL(ID_POISON, 27, INT, GetPoison()),
        GT6_COL(ID_POISONDEF, 28, INT, GetPoisonDef()),
        GT6_COL(ID_POWER, 9, INT, GetPower()),
        GT6_COL(ID_POWERAFF, 83, INT, GetPowerAff()),
        GT6_COL(ID_REFRESHADDTIME, 72, INT, GetRefreshAddTime()),
        GT6_COL(ID_RELAXT, 38, FLOAT, GetRelaxT()),
        GT6_COL(ID_REWARDSID, 49, INT, GetRewardsId()),
        GT6_COL(ID_RUNS, 39, FLOAT, GetRunS()),
        GT6_COL(ID_RUNPROBABILITY, 37, FLOAT, GetRunprobability()),
        GT6_COL(ID_SCENES, 73, STRING, GetScenes()),
        GT6_COL(ID_SCRIPTID, 55, INT, GetScriptId()),
        GT6_COL(ID_SPEED, 15, INT, GetSpeed()),
        GT6_COL(ID_THUNDER, 24, INT, GetThunder()),
        GT6_COL(ID_THUNDERDEF, 25, INT, GetThunderDef()),
        GT6_COL(ID_TIME, 70, INT, GetTime()),
        GT6_COL(ID_TRACEDIS, 67, FLOAT, GetTraceDis()),
        GT6_COL(ID_TURNS, 46, FLOAT, GetTurnS()),
        GT6_COL(ID_TYPE, 6, INT, GetType()),
        GT6_COL(ID_VIEWR, 42, INT, GetViewR()),
        GT6_COL(ID_WAITT, 35, FLOAT, GetWaitT()),
        GT6_COL(ID_WATCHT, 43, FLOAT, GetWatchT()),
        GT6_COL(ID_WATERFOOTSTEPSOUNDNAME, 61, STRING, GetWaterFootstepSoundName()),
        GT6_COL(ID_WATERUPHITSOUNDDELAYTIME, 64, STRING, GetWaterUpHitSoundDelayTime()),
        GT6_COL(ID_WATERUPHITSOUNDNAME, 63, STRING, GetWaterUpHitSoundName()),
    };
    c.counts = {GT6_COUNT(getNoticeIDCount, 2)};
    return c;
}

GT6::TableCase MonsterGroupCase()
{
    typedef Table_MonsterGroup T;
    GT6::TableCase c = {GT6_FUNCS(MonsterGroup), "Config/MonsterGroup.txt", GT6::SEQUENCE, 99999, 100000, 12, {}, {}};
    c.columns = {
        GT6_COL(ID_COUNT, 8, INT, GetCount()),
        GT6_COL(ID_GAMEMODE, 2, INT, GetGameMode()),
        GT6_COL(ID_GENERATETYPE, 5, INT, GetGenerateType()),
        GT6_COL(ID_GROUPRATIO, 3, INT, GetGroupRatio()),
        GT6_COL(ID_HATELINK, 10, INT, GetHateLink()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_MONSTERID, 6, STRING, GetMonsterID()),
        GT6_COL(ID_RADIUS, 9, FLOAT, GetRadius()),
        GT6_COL(ID_RATIO, 7, STRING, GetRatio()),
        GT6_COL(ID_RESULT, 11, INT, GetResult()),
        GT6_COL(ID_TYPE, 4, INT, GetType()),
    };
    return c;
}

GT6::TableCase MonsterMultipleCase()
{
    typedef Table_MonsterMultiple T;
    GT6::TableCase c = {GT6_FUNCS(MonsterMultiple), "Config/MonsterMultiple.txt", GT6::SEQUENCE, 9999, 10000, 6, {}, {}};
    c.columns = {
        GT6_COL(ID_ADDMULTIPLE, 3, INT, GetAddMultiple()),
        GT6_COL(ID_ATTACKNUM, 2, INT, GetAttackNum()),
        GT6_COL(ID_HITEDRATE, 5, INT, GetHitedRate()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_MAXMULTIPLE, 4, INT, GetMaxMultiple()),
    };
    return c;
}

GT6::TableCase MonsterArmorBreakCase()
{
    typedef Table_MonsterArmorBreak T;
    GT6::TableCase c = {GT6_FUNCS(MonsterArmorBreak), "Config/MonsterArmorBreak.txt", GT6::HASH, 99999, 20000, 13, {}, {}};
    c.columns = {
        GT6_COL(ID_ARMOR, 2, INT, GetArmor()),
        GT6_COL(ID_ARMORAWARDID, 6, STRING, GetArmorAwardID()),
        GT6_COL(ID_ARMORAWARDNUM, 7, STRING, GetArmorAwardNum()),
        GT6_COL(ID_ARMORAWARDRATE, 8, STRING, GetArmorAwardRate()),
        GT6_COL(ID_BONUSAWARDPERCOST, 11, INT, GetBonusAwardPerCost()),
        GT6_COL(ID_BONUSAWARDTYPE, 12, INT, GetBonusAwardType()),
        GT6_COL(ID_BONUSMAX, 10, INT, GetBonusMax()),
        GT6_COL(ID_BONUSMIN, 9, INT, GetBonusMin()),
        GT6_COL(ID_DEADAWARDID, 3, INT, GetDeadAwardID()),
        GT6_COL(ID_DEADAWARDNUM, 4, INT, GetDeadAwardNum()),
        GT6_COL(ID_DEADAWARDRATE, 5, INT, GetDeadAwardRate()),
        GT6_COL(ID_ID, 0, INT, GetId()),
    };
    return c;
}

GT6::TableCase MonsterCountDwonTimeCase()
{
    typedef Table_MonsterCountDwonTime T;
    GT6::TableCase c = {GT6_FUNCS(MonsterCountDwonTime), "Config/MonsterCountDwonTime.txt", GT6::HASH, 500, 500, 6, {}, {}};
    c.columns = {
        GT6_COL(ID_HITEDRATESTAGE, 4, STRING, GetHitedRateStage()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_LIFETIME, 2, INT, GetLifeTime()),
        GT6_COL(ID_SCORESTAGE, 5, STRING, GetScoreStage()),
        GT6_COL(ID_TIMESTAGE, 3, STRING, GetTimeStage()),
    };
    return c;
}

GT6::TableCase BossSwingCase()
{
    typedef Table_BossSwing T;
    GT6::TableCase c = {GT6_FUNCS(BossSwing), "Config/BossSwing.txt", GT6::HASH, 500, 500, 6, {}, {}};
    c.columns = {
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_MPDEPOSITMAX, 2, INT, GetMPDepositMax()),
        GT6_COL(ID_MPINIT, 3, INT, GetMPInit()),
        GT6_COL(ID_MPLIMIT, 4, INT, GetMPLimit()),
        GT6_COL(ID_USRPRO, 5, INT, GetUsrPro()),
    };
    return c;
}

GT6::TableCase MaxGroupCostCase()
{
    typedef Table_MaxGroupCost T;
    GT6::TableCase c = {GT6_FUNCS(MaxGroupCost), "Config/MaxGroupCost.txt", GT6::SEQUENCE, 99, 100, 4, {}, {}};
    c.columns = {
        GT6_COL(ID_GROUPCOEFFICIENT, 3, INT, GetGroupCoefficient()),
        GT6_COL(ID_GROUPMAXCOST, 2, INT, GetGroupMaxCost()),
        GT6_COL(ID_ID, 0, INT, GetId()),
    };
    return c;
}

GT6::TableCase MaxMonsterCostCase()
{
    typedef Table_MaxMonsterCost T;
    GT6::TableCase c = {GT6_FUNCS(MaxMonsterCost), "Config/MaxMonsterCost.txt", GT6::SEQUENCE, 99, 100, 5, {}, {}};
    c.columns = {
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_MONSTERID, 2, INT, GetMonsterID()),
        GT6_COL(ID_MONSTERMAXCOST, 3, INT, GetMonsterMaxCost()),
        GT6_COL(ID_MONSTERSLOT, 4, INT, GetMonsterSlot()),
    };
    return c;
}

TEST(CombatTables, EachTableReadsItsColumnsAndKeepsItsLimits)
{
    GT6::CheckTable(AICase());
    GT6::CheckTable(AITreesCase());
    GT6::CheckTable(SkillCase());
    GT6::CheckTable(PassiveSkillCase());
    GT6::CheckTable(PassiveSkillRandCase());
    GT6::CheckTable(CoolDownTimeCase());
    GT6::CheckTable(ImpactCase());
    GT6::CheckTable(ImpactCarrierCase());
    GT6::CheckTable(ItemHitRateCase());
    GT6::CheckTable(MonsterCase());
    GT6::CheckTable(MonsterGroupCase());
    GT6::CheckTable(MonsterMultipleCase());
    GT6::CheckTable(MonsterArmorBreakCase());
    GT6::CheckTable(MonsterCountDwonTimeCase());
    GT6::CheckTable(BossSwingCase());
    GT6::CheckTable(MaxGroupCostCase());
    GT6::CheckTable(MaxMonsterCostCase());
}

// The loader reads a cell as its member's type: an "INT" type word under a float member
// does not give the number written in the file.
TEST(CombatTables, AFloatMemberNeedsAFloatColumn)
{
    GT6::TableCase c = ImpactCarrierCase();
    TempWorkDir dir;
    std::string strTypes = "INT\tSTRING\tINT\tINT\tINT\tINT";   // ID_POSX (column 5) typed INT
    std::string strRow = "1\tx\t2\t3\t4\t7";
    for (tint32 i = 6; i < c.nColumns; ++i) {
        strTypes += i <= 8 ? "\tFLOAT" : "\tINT";
        strRow += i <= 8 ? "\t7.5" : "\t7";
    }
    dir.WriteFile(c.szFile, DBCTest::TextTable(strTypes, {strRow}));
    ASSERT_TRUE(InitTable_ImpactCarrierTable(c.szFile));
    const Table_ImpactCarrier* p = GetTable_ImpactCarrierByID(1);
    ASSERT_NE(nullptr, p);
    EXPECT_NE(7.0f, p->GetPosX());
    EXPECT_EQ(7.5f, p->GetPosZ());
    EXPECT_EQ(7, p->GetImpactbyIndex(9));
}
}   // namespace
