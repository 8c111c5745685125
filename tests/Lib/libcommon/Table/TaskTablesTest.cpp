// Notice, e-mail, activity, task and match tables: each module against its column list.

#include "EconomyTaskTableCheck.h"

#include "Table_Activity.h"
#include "Table_ActivitySwitch.h"
#include "Table_ActivityTask.h"
#include "Table_BossChallenge.h"
#include "Table_DailyTaskPool.h"
#include "Table_MatchTB.h"
#include "Table_MissionTask.h"
#include "Table_Notice.h"
#include "Table_SceneTask.h"
#include "Table_SceneTaskMonster.h"
#include "Table_SystemEmail.h"
#include "Table_TaskAward.h"
#include "Table_WeeklyAndDailyTask.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace
{
static_assert(std::is_base_of<DBC_Recorder_Loader<Table_Notice, 9999, 10000>, Table_Notice>::value, "record base");
const TableCheck::Spec<Table_Notice> NOTICE = {
    TC_FUNCS(Notice), false, 9999, 10000, 10,
    {
        TC_COL(Table_Notice, GetId, ID_ID, 0, INT),
        TC_COL(Table_Notice, GetType, ID_TYPE, 2, STRING),
        TC_COL(Table_Notice, GetInformatica, ID_INFORMATICA, 3, INT),
        TC_COL(Table_Notice, GetDisplayMode, ID_DISPLAYMODE, 4, INT),
        TC_COL(Table_Notice, GetInitialTime, ID_INITIALTIME, 5, INT),
        TC_COL(Table_Notice, GetPlayTotalTime, ID_PLAYTOTALTIME, 6, INT),
        TC_COL(Table_Notice, GetDisplayTime, ID_DISPLAYTIME, 7, INT),
        TC_COL(Table_Notice, GetIntervalTime, ID_INTERVALTIME, 8, INT),
        TC_COL(Table_Notice, GetNotes, ID_NOTES, 9, STRING),
    },
    {},
    {4, 7, 0, 3, 5, 8, 9, 6, 2}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_SystemEmail, 99999, 100000>, Table_SystemEmail>::value,
              "record base");
const TableCheck::Spec<Table_SystemEmail> SYSTEM_EMAIL = {
    TC_FUNCS(SystemEmail), true, 99999, 100000, 6,
    {
        TC_COL(Table_SystemEmail, GetId, ID_ID, 0, INT),
        TC_COL(Table_SystemEmail, GetTitle, ID_TITLE, 2, INT),
        TC_COL(Table_SystemEmail, GetContent, ID_CONTENT, 3, INT),
        TC_ELEM(Table_SystemEmail, GetNotebyIndex, ID_NOTE1, 4, STRING, 0),
        TC_ELEM(Table_SystemEmail, GetNotebyIndex, ID_NOTE2, 5, STRING, 1),
    },
    {TC_COUNT(Table_SystemEmail, getNoteCount, 2)},
    {3, 0, 4, 5, 2}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_Activity, 9999, 10000>, Table_Activity>::value,
              "record base");
const TableCheck::Spec<Table_Activity> ACTIVITY = {
    TC_FUNCS(Activity), false, 9999, 10000, 18,
    {
        TC_COL(Table_Activity, GetId, ID_ID, 0, INT),
        TC_COL(Table_Activity, GetInformatica, ID_INFORMATICA, 2, INT),
        TC_COL(Table_Activity, GetIsDisplay, ID_ISDISPLAY, 3, INT),
        TC_COL(Table_Activity, GetIsActivation, ID_ISACTIVATION, 4, INT),
        TC_COL(Table_Activity, GetBeginTime, ID_BEGINTIME, 5, STRING),
        TC_COL(Table_Activity, GetCloseTime, ID_CLOSETIME, 6, STRING),
        TC_COL(Table_Activity, GetQVGoldCount, ID_QVGOLDCOUNT, 7, INT),
        TC_COL(Table_Activity, GetRewardID, ID_REWARDID, 8, STRING),
        TC_COL(Table_Activity, GetRewardCount, ID_REWARDCOUNT, 9, STRING),
        TC_COL(Table_Activity, GetCompleteCondition, ID_COMPLETECONDITION, 10, STRING),
        TC_ELEM(Table_Activity, GetCompleteParameterbyIndex, ID_COMPLETEPARAMETER1, 11, STRING, 0),
        TC_ELEM(Table_Activity, GetCompleteParameterbyIndex, ID_COMPLETEPARAMETER2, 12, STRING, 1),
        TC_ELEM(Table_Activity, GetCompleteParameterbyIndex, ID_COMPLETEPARAMETER3, 13, STRING, 2),
        TC_ELEM(Table_Activity, GetCompleteParameterbyIndex, ID_COMPLETEPARAMETER4, 14, STRING, 3),
        TC_COL(Table_Activity, GetFailCondition, ID_FAILCONDITION, 15, STRING),
        TC_COL(Table_Activity, GetFailOperation, ID_FAILOPERATION, 16, STRING),
        TC_COL(Table_Activity, GetFOParameter1, ID_FOPARAMETER1, 17, STRING),
    },
    {TC_COUNT(Table_Activity, getCompleteParameterCount, 4)},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_ActivitySwitch, 100, 512>, Table_ActivitySwitch>::value,
              "record base");
const TableCheck::Spec<Table_ActivitySwitch> ACTIVITY_SWITCH = {
    TC_FUNCS(ActivitySwitch), true, 100, 512, 11,
    {
        TC_COL(Table_ActivitySwitch, GetId, ID_ID, 0, INT),
        TC_COL(Table_ActivitySwitch, GetOnoff, ID_ONOFF, 2, INT),
        TC_COL(Table_ActivitySwitch, GetConditionType, ID_CONDITIONTYPE, 3, STRING),
        TC_COL(Table_ActivitySwitch, GetConnection, ID_CONNECTION, 4, STRING),
        TC_COL(Table_ActivitySwitch, GetConditionData, ID_CONDITIONDATA, 5, STRING),
        TC_COL(Table_ActivitySwitch, GetDate, ID_DATE, 6, STRING),
        TC_COL(Table_ActivitySwitch, GetTimeType, ID_TIMETYPE, 7, INT),
        TC_COL(Table_ActivitySwitch, GetTimeData, ID_TIMEDATA, 8, STRING),
        TC_COL(Table_ActivitySwitch, GetOpenReward, ID_OPENREWARD, 9, STRING),
        TC_COL(Table_ActivitySwitch, GetCloseReward, ID_CLOSEREWARD, 10, STRING),
    },
    {},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_ActivityTask, 9999, 10000>, Table_ActivityTask>::value,
              "record base");
const TableCheck::Spec<Table_ActivityTask> ACTIVITY_TASK = {
    TC_FUNCS(ActivityTask), false, 9999, 10000, 23,
    {
        TC_COL(Table_ActivityTask, GetId, ID_ID, 0, INT),
        TC_COL(Table_ActivityTask, GetType, ID_TYPE, 2, INT),
        TC_COL(Table_ActivityTask, GetName, ID_NAME, 3, STRING),
        TC_COL(Table_ActivityTask, GetDicIndex, ID_DICINDEX, 4, INT),
        TC_COL(Table_ActivityTask, GetFreshType, ID_FRESHTYPE, 5, INT),
        TC_COL(Table_ActivityTask, GetOpenTime, ID_OPENTIME, 6, STRING),
        TC_COL(Table_ActivityTask, GetCloseTime, ID_CLOSETIME, 7, STRING),
        TC_COL(Table_ActivityTask, GetRewardID, ID_REWARDID, 8, STRING),
        TC_ELEM(Table_ActivityTask, GetPParambyIndex, ID_PPARAM0, 9, INT, 0),
        TC_ELEM(Table_ActivityTask, GetFParambyIndex, ID_FPARAM0, 10, INT, 0),
        TC_ELEM(Table_ActivityTask, GetPParambyIndex, ID_PPARAM1, 11, INT, 1),
        TC_ELEM(Table_ActivityTask, GetFParambyIndex, ID_FPARAM1, 12, INT, 1),
        TC_ELEM(Table_ActivityTask, GetPParambyIndex, ID_PPARAM2, 13, INT, 2),
        TC_ELEM(Table_ActivityTask, GetFParambyIndex, ID_FPARAM2, 14, INT, 2),
        TC_ELEM(Table_ActivityTask, GetPParambyIndex, ID_PPARAM3, 15, INT, 3),
        TC_ELEM(Table_ActivityTask, GetFParambyIndex, ID_FPARAM3, 16, INT, 3),
        TC_ELEM(Table_ActivityTask, GetPParambyIndex, ID_PPARAM4, 17, INT, 4),
        TC_ELEM(Table_ActivityTask, GetFParambyIndex, ID_FPARAM4, 18, INT, 4),
        TC_ELEM(Table_ActivityTask, GetPParambyIndex, ID_PPARAM5, 19, INT, 5),
        TC_ELEM(Table_ActivityTask, GetFParambyIndex, ID_FPARAM5, 20, INT, 5),
        TC_COL(Table_ActivityTask, GetRewardDisplay, ID_REWARDDISPLAY, 21, STRING),
        TC_COL(Table_ActivityTask, GetFunctionID, ID_FUNCTIONID, 22, INT),
    },
    {TC_COUNT(Table_ActivityTask, getPParamCount, 6), TC_COUNT(Table_ActivityTask, getFParamCount, 6)},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_BossChallenge, 500, 500>, Table_BossChallenge>::value,
              "record base");
const TableCheck::Spec<Table_BossChallenge> BOSS_CHALLENGE = {
    TC_FUNCS(BossChallenge), true, 500, 500, 8,
    {
        TC_COL(Table_BossChallenge, GetId, ID_ID, 0, INT),
        TC_COL(Table_BossChallenge, GetMatchID, ID_MATCHID, 2, INT),
        TC_COL(Table_BossChallenge, GetBirthID, ID_BIRTHID, 3, INT),
        TC_COL(Table_BossChallenge, GetContinueTime, ID_CONTINUETIME, 4, INT),
        TC_COL(Table_BossChallenge, GetStartType, ID_STARTTYPE, 5, INT),
        TC_COL(Table_BossChallenge, GetStartTime, ID_STARTTIME, 6, STRING),
        TC_COL(Table_BossChallenge, GetItemAward, ID_ITEMAWARD, 7, STRING),
    },
    {},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_SceneTask, 9999, 10000>, Table_SceneTask>::value,
              "record base");
const TableCheck::Spec<Table_SceneTask> SCENE_TASK = {
    TC_FUNCS(SceneTask), false, 9999, 10000, 11,
    {
        TC_COL(Table_SceneTask, GetId, ID_ID, 0, INT),
        TC_COL(Table_SceneTask, GetMatchID, ID_MATCHID, 2, INT),
        TC_COL(Table_SceneTask, GetDifficulty, ID_DIFFICULTY, 3, INT),
        TC_COL(Table_SceneTask, GetDuration, ID_DURATION, 4, INT),
        TC_COL(Table_SceneTask, GetWeight, ID_WEIGHT, 5, INT),
        TC_COL(Table_SceneTask, GetTotalAward, ID_TOTALAWARD, 6, STRING),
        TC_COL(Table_SceneTask, GetAwardA, ID_AWARDA, 7, STRING),
        TC_COL(Table_SceneTask, GetAwardB, ID_AWARDB, 8, STRING),
        TC_COL(Table_SceneTask, GetAwardC, ID_AWARDC, 9, STRING),
        TC_COL(Table_SceneTask, GetAwardHammer, ID_AWARDHAMMER, 10, INT),
    },
    {},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_SceneTaskMonster, 9999, 10000>, Table_SceneTaskMonster>::value,
              "record base");
const TableCheck::Spec<Table_SceneTaskMonster> SCENE_TASK_MONSTER = {
    TC_FUNCS(SceneTaskMonster), false, 9999, 10000, 7,
    {
        TC_COL(Table_SceneTaskMonster, GetId, ID_ID, 0, INT),
        TC_COL(Table_SceneTaskMonster, GetMatchID, ID_MATCHID, 2, INT),
        TC_COL(Table_SceneTaskMonster, GetDifficulty, ID_DIFFICULTY, 3, INT),
        TC_COL(Table_SceneTaskMonster, GetMonsterID, ID_MONSTERID, 4, INT),
        TC_COL(Table_SceneTaskMonster, GetMonsterNum, ID_MONSTERNUM, 5, INT),
        TC_COL(Table_SceneTaskMonster, GetWeight, ID_WEIGHT, 6, INT),
    },
    {},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_DailyTaskPool, 512, 512>, Table_DailyTaskPool>::value,
              "record base");
const TableCheck::Spec<Table_DailyTaskPool> DAILY_TASK_POOL = {
    TC_FUNCS(DailyTaskPool), true, 512, 512, 10,
    {
        TC_COL(Table_DailyTaskPool, GetId, ID_ID, 0, INT),
        TC_COL(Table_DailyTaskPool, GetSceneID, ID_SCENEID, 2, INT),
        TC_COL(Table_DailyTaskPool, GetType, ID_TYPE, 3, INT),
        TC_COL(Table_DailyTaskPool, GetPParam, ID_PPARAM, 4, INT),
        TC_COL(Table_DailyTaskPool, GetFParam, ID_FPARAM, 5, INT),
        TC_COL(Table_DailyTaskPool, GetQuality, ID_QUALITY, 6, INT),
        TC_COL(Table_DailyTaskPool, GetRewardItem, ID_REWARDITEM, 7, STRING),
        TC_COL(Table_DailyTaskPool, GetRewardNum, ID_REWARDNUM, 8, STRING),
        TC_COL(Table_DailyTaskPool, GetScenePicture, ID_SCENEPICTURE, 9, STRING),
    },
    {},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_MissionTask, 9999, 10000>, Table_MissionTask>::value,
              "record base");
const TableCheck::Spec<Table_MissionTask> MISSION_TASK = {
    TC_FUNCS(MissionTask), true, 9999, 10000, 16,
    {
        TC_COL(Table_MissionTask, GetID, ID_ID, 0, INT),
        TC_COL(Table_MissionTask, GetType, ID_TYPE, 2, INT),
        TC_COL(Table_MissionTask, GetName, ID_NAME, 3, INT),
        TC_COL(Table_MissionTask, GetLevel, ID_LEVEL, 4, INT),
        TC_COL(Table_MissionTask, GetMissionDesc, ID_MISSIONDESC, 5, INT),
        TC_COL(Table_MissionTask, GetTargetDesc, ID_TARGETDESC, 6, INT),
        TC_COL(Table_MissionTask, GetMonsterID, ID_MONSTERID, 7, INT),
        TC_COL(Table_MissionTask, GetMonstericon, ID_MONSTERICON, 8, STRING),
        TC_COL(Table_MissionTask, GetAmount, ID_AMOUNT, 9, INT),
        TC_COL(Table_MissionTask, GetStoryID, ID_STORYID, 10, INT),
        TC_COL(Table_MissionTask, GetIfstorywhenFinish, ID_IFSTORYWHENFINISH, 11, INT),
        TC_COL(Table_MissionTask, GetMissionIDBefore, ID_MISSIONIDBEFORE, 12, INT),
        TC_COL(Table_MissionTask, GetMissionIDAfter, ID_MISSIONIDAFTER, 13, INT),
        TC_COL(Table_MissionTask, GetRewardDmd, ID_REWARDDMD, 14, INT),
        TC_COL(Table_MissionTask, GetRewardCoins, ID_REWARDCOINS, 15, INT),
    },
    {},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_TaskAward, 99999, 100000>, Table_TaskAward>::value,
              "record base");
const TableCheck::Spec<Table_TaskAward> TASK_AWARD = {
    TC_FUNCS(TaskAward), true, 99999, 100000, 7,
    {
        TC_COL(Table_TaskAward, GetId, ID_ID, 0, INT),
        TC_COL(Table_TaskAward, GetStartNum, ID_STARTNUM, 2, INT),
        TC_COL(Table_TaskAward, GetIfUpdate, ID_IFUPDATE, 3, INT),
        TC_COL(Table_TaskAward, GetAwardItemID, ID_AWARDITEMID, 4, STRING),
        TC_COL(Table_TaskAward, GetAwardItemNum, ID_AWARDITEMNUM, 5, STRING),
        TC_COL(Table_TaskAward, GetMonth, ID_MONTH, 6, INT),
    },
    {},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_WeeklyAndDailyTask, 99999, 100000>, Table_WeeklyAndDailyTask>::value,
              "record base");
const TableCheck::Spec<Table_WeeklyAndDailyTask> WEEKLY_AND_DAILY_TASK = {
    TC_FUNCS(WeeklyAndDailyTask), true, 99999, 100000, 15,
    {
        TC_COL(Table_WeeklyAndDailyTask, GetId, ID_ID, 0, INT),
        TC_COL(Table_WeeklyAndDailyTask, GetTaskTxt, ID_TASKTXT, 2, STRING),
        TC_COL(Table_WeeklyAndDailyTask, GetNumMax, ID_NUMMAX, 3, INT),
        TC_COL(Table_WeeklyAndDailyTask, GetTaskType, ID_TASKTYPE, 4, INT),
        TC_COL(Table_WeeklyAndDailyTask, GetWeekID, ID_WEEKID, 5, INT),
        TC_COL(Table_WeeklyAndDailyTask, GetStarNum, ID_STARNUM, 6, INT),
        TC_COL(Table_WeeklyAndDailyTask, GetAwardItemID, ID_AWARDITEMID, 7, INT),
        TC_COL(Table_WeeklyAndDailyTask, GetAwardItemNum, ID_AWARDITEMNUM, 8, INT),
        TC_COL(Table_WeeklyAndDailyTask, GetCompleteCondition, ID_COMPLETECONDITION, 9, STRING),
        TC_ELEM(Table_WeeklyAndDailyTask, GetCompleteParameterbyIndex, ID_COMPLETEPARAMETER1, 10, STRING, 0),
        TC_ELEM(Table_WeeklyAndDailyTask, GetCompleteParameterbyIndex, ID_COMPLETEPARAMETER2, 11, STRING, 1),
        TC_ELEM(Table_WeeklyAndDailyTask, GetCompleteParameterbyIndex, ID_COMPLETEPARAMETER3, 12, STRING, 2),
        TC_ELEM(Table_WeeklyAndDailyTask, GetCompleteParameterbyIndex, ID_COMPLETEPARAMETER4, 13, STRING, 3),
        TC_ELEM(Table_WeeklyAndDailyTask, GetCompleteParameterbyIndex, ID_COMPLETEPARAMETER5, 14, STRING, 4),
    },
    {TC_COUNT(Table_WeeklyAndDailyTask, getCompleteParameterCount, 5)},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_MatchTB, 99, 100>, Table_MatchTB>::value, "record base");
const TableCheck::Spec<Table_MatchTB> MATCH_TB = {
    TC_FUNCS(MatchTB), false, 99, 100, 44,
    {
        TC_COL(Table_MatchTB, GetId, ID_ID, 0, INT),
        TC_COL(Table_MatchTB, GetMatchDesInterface, ID_MATCHDESINTERFACE, 2, INT),
        TC_COL(Table_MatchTB, GetMatchDesTime, ID_MATCHDESTIME, 3, INT),
        TC_COL(Table_MatchTB, GetMatchDesRule, ID_MATCHDESRULE, 4, INT),
        TC_COL(Table_MatchTB, GetType, ID_TYPE, 5, INT),
        TC_COL(Table_MatchTB, GetTimeArea0, ID_TIMEAREA0, 6, STRING),
        TC_COL(Table_MatchTB, GetTimeInterval, ID_TIMEINTERVAL, 7, INT),
        TC_COL(Table_MatchTB, GetEnrollTime, ID_ENROLLTIME, 8, INT),
        TC_COL(Table_MatchTB, GetRoundTime, ID_ROUNDTIME, 9, INT),
        TC_COL(Table_MatchTB, GetMatchPlayerMax, ID_MATCHPLAYERMAX, 10, INT),
        TC_COL(Table_MatchTB, GetRoomNumMax, ID_ROOMNUMMAX, 11, INT),
        TC_COL(Table_MatchTB, GetRoomPlayerMax, ID_ROOMPLAYERMAX, 12, INT),
        TC_COL(Table_MatchTB, GetRoundNumMax, ID_ROUNDNUMMAX, 13, INT),
        TC_COL(Table_MatchTB, GetSceneId, ID_SCENEID, 14, INT),
        TC_COL(Table_MatchTB, GetCostItemId, ID_COSTITEMID, 15, INT),
        TC_COL(Table_MatchTB, GetCostItemNum, ID_COSTITEMNUM, 16, INT),
        TC_COL(Table_MatchTB, GetRankId, ID_RANKID, 17, INT),
        TC_COL(Table_MatchTB, GetRewardId, ID_REWARDID, 18, STRING),
        TC_COL(Table_MatchTB, GetRefreshRobort, ID_REFRESHROBORT, 19, INT),
        TC_COL(Table_MatchTB, GetMatchLimit, ID_MATCHLIMIT, 20, INT),
        TC_COL(Table_MatchTB, GetNoticeTimeS, ID_NOTICETIMES, 21, INT),
        TC_COL(Table_MatchTB, GetNoticeTimeE, ID_NOTICETIMEE, 22, INT),
        TC_COL(Table_MatchTB, GetNoticeInterval, ID_NOTICEINTERVAL, 23, INT),
        TC_COL(Table_MatchTB, GetNoticeId, ID_NOTICEID, 24, INT),
        TC_COL(Table_MatchTB, GetScoreNum, ID_SCORENUM, 25, INT),
        TC_COL(Table_MatchTB, GetMinLevel, ID_MINLEVEL, 26, INT),
        TC_COL(Table_MatchTB, GetQVExpLevel, ID_QVEXPLEVEL, 27, INT),
        TC_COL(Table_MatchTB, GetMaxLevel, ID_MAXLEVEL, 28, INT),
        TC_COL(Table_MatchTB, GetMinAtk, ID_MINATK, 29, INT),
        TC_COL(Table_MatchTB, GetPlayerMaxAtk, ID_PLAYERMAXATK, 30, INT),
        TC_COL(Table_MatchTB, GetDefaultAtk, ID_DEFAULTATK, 31, INT),
        TC_COL(Table_MatchTB, GetPlayerAtkAdjust, ID_PLAYERATKADJUST, 32, INT),
        TC_COL(Table_MatchTB, GetMinGold, ID_MINGOLD, 33, INT),
        TC_COL(Table_MatchTB, GetQVRoomID, ID_QVROOMID, 34, INT),
        TC_COL(Table_MatchTB, GetQVMatchID, ID_QVMATCHID, 35, INT),
        TC_COL(Table_MatchTB, GetExchangeMul, ID_EXCHANGEMUL, 36, INT),
        TC_COL(Table_MatchTB, GetGoldLimit, ID_GOLDLIMIT, 37, INT),
        TC_COL(Table_MatchTB, GetGoldWarning, ID_GOLDWARNING, 38, INT),
        TC_COL(Table_MatchTB, GetCopySceneID, ID_COPYSCENEID, 39, INT),
        TC_COL(Table_MatchTB, GetCopyThreshold, ID_COPYTHRESHOLD, 40, INT),
        TC_COL(Table_MatchTB, GetCopyInviteTIme, ID_COPYINVITETIME, 41, INT),
        TC_COL(Table_MatchTB, GetTaxRate, ID_TAXRATE, 42, INT),
        TC_COL(Table_MatchTB, GetAlwaysCreate, ID_ALWAYSCREATE, 43, INT),
    },
    {},
    {}};

TEST(TaskTables, NoticeAndSystemEmail)
{
    TableCheck::CheckTable(NOTICE);
    TableCheck::CheckTable(SYSTEM_EMAIL);
}

TEST(TaskTables, Activity)
{
    TableCheck::CheckTable(ACTIVITY);
    TableCheck::CheckTable(ACTIVITY_SWITCH);
    TableCheck::CheckTable(ACTIVITY_TASK);
}

TEST(TaskTables, BossChallengeAndSceneTask)
{
    TableCheck::CheckTable(BOSS_CHALLENGE);
    TableCheck::CheckTable(SCENE_TASK);
    TableCheck::CheckTable(SCENE_TASK_MONSTER);
}

TEST(TaskTables, DailyWeeklyAndMissionTask)
{
    TableCheck::CheckTable(DAILY_TASK_POOL);
    TableCheck::CheckTable(MISSION_TASK);
    TableCheck::CheckTable(TASK_AWARD);
    TableCheck::CheckTable(WEEKLY_AND_DAILY_TASK);
}

TEST(TaskTables, Match)
{
    TableCheck::CheckTable(MATCH_TB);
}

}   // namespace
