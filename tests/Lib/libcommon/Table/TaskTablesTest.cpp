// Notice, e-mail, activity, task and match tables: each module against its column list.

#include "GameTableCheck.h"

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
GameTableCheck::Expected NoticeCase()
{
    typedef Table_Notice T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(Notice), GameTableCheck::SEQUENCE, 9999, 10000, 10, {}, {}, {}};
    e.declOrder = {4, 7, 0, 3, 5, 8, 9, 6, 2};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_TYPE, 2, STRING, GetType()),
        GTC_COL(ID_INFORMATICA, 3, INT, GetInformatica()),
        GTC_COL(ID_DISPLAYMODE, 4, INT, GetDisplayMode()),
        GTC_COL(ID_INITIALTIME, 5, INT, GetInitialTime()),
        GTC_COL(ID_PLAYTOTALTIME, 6, INT, GetPlayTotalTime()),
        GTC_COL(ID_DISPLAYTIME, 7, INT, GetDisplayTime()),
        GTC_COL(ID_INTERVALTIME, 8, INT, GetIntervalTime()),
        GTC_COL(ID_NOTES, 9, STRING, GetNotes()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_SystemEmail, 99999, 100000>, Table_SystemEmail>::value,
              "record base");
GameTableCheck::Expected SystemEmailCase()
{
    typedef Table_SystemEmail T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(SystemEmail), GameTableCheck::HASH, 99999, 100000, 6, {}, {}, {}};
    e.declOrder = {3, 0, 4, 5, 2};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_TITLE, 2, INT, GetTitle()),
        GTC_COL(ID_CONTENT, 3, INT, GetContent()),
        GTC_COL(ID_NOTE1, 4, STRING, GetNotebyIndex(0)),
        GTC_COL(ID_NOTE2, 5, STRING, GetNotebyIndex(1)),
    };
    e.counts = {GTC_COUNT(getNoteCount, 2)};
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_Activity, 9999, 10000>, Table_Activity>::value,
              "record base");
GameTableCheck::Expected ActivityCase()
{
    typedef Table_Activity T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(Activity), GameTableCheck::SEQUENCE, 9999, 10000, 18, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_INFORMATICA, 2, INT, GetInformatica()),
        GTC_COL(ID_ISDISPLAY, 3, INT, GetIsDisplay()),
        GTC_COL(ID_ISACTIVATION, 4, INT, GetIsActivation()),
        GTC_COL(ID_BEGINTIME, 5, STRING, GetBeginTime()),
        GTC_COL(ID_CLOSETIME, 6, STRING, GetCloseTime()),
        GTC_COL(ID_QVGOLDCOUNT, 7, INT, GetQVGoldCount()),
        GTC_COL(ID_REWARDID, 8, STRING, GetRewardID()),
        GTC_COL(ID_REWARDCOUNT, 9, STRING, GetRewardCount()),
        GTC_COL(ID_COMPLETECONDITION, 10, STRING, GetCompleteCondition()),
        GTC_COL(ID_COMPLETEPARAMETER1, 11, STRING, GetCompleteParameterbyIndex(0)),
        GTC_COL(ID_COMPLETEPARAMETER2, 12, STRING, GetCompleteParameterbyIndex(1)),
        GTC_COL(ID_COMPLETEPARAMETER3, 13, STRING, GetCompleteParameterbyIndex(2)),
        GTC_COL(ID_COMPLETEPARAMETER4, 14, STRING, GetCompleteParameterbyIndex(3)),
        GTC_COL(ID_FAILCONDITION, 15, STRING, GetFailCondition()),
        GTC_COL(ID_FAILOPERATION, 16, STRING, GetFailOperation()),
        GTC_COL(ID_FOPARAMETER1, 17, STRING, GetFOParameter1()),
    };
    e.counts = {GTC_COUNT(getCompleteParameterCount, 4)};
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_ActivitySwitch, 100, 512>, Table_ActivitySwitch>::value,
              "record base");
GameTableCheck::Expected ActivitySwitchCase()
{
    typedef Table_ActivitySwitch T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(ActivitySwitch), GameTableCheck::HASH, 100, 512, 11, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_ONOFF, 2, INT, GetOnoff()),
        GTC_COL(ID_CONDITIONTYPE, 3, STRING, GetConditionType()),
        GTC_COL(ID_CONNECTION, 4, STRING, GetConnection()),
        GTC_COL(ID_CONDITIONDATA, 5, STRING, GetConditionData()),
        GTC_COL(ID_DATE, 6, STRING, GetDate()),
        GTC_COL(ID_TIMETYPE, 7, INT, GetTimeType()),
        GTC_COL(ID_TIMEDATA, 8, STRING, GetTimeData()),
        GTC_COL(ID_OPENREWARD, 9, STRING, GetOpenReward()),
        GTC_COL(ID_CLOSEREWARD, 10, STRING, GetCloseReward()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_ActivityTask, 9999, 10000>, Table_ActivityTask>::value,
              "record base");
GameTableCheck::Expected ActivityTaskCase()
{
    typedef Table_ActivityTask T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(ActivityTask), GameTableCheck::SEQUENCE, 9999, 10000, 23, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_TYPE, 2, INT, GetType()),
        GTC_COL(ID_NAME, 3, STRING, GetName()),
        GTC_COL(ID_DICINDEX, 4, INT, GetDicIndex()),
        GTC_COL(ID_FRESHTYPE, 5, INT, GetFreshType()),
        GTC_COL(ID_OPENTIME, 6, STRING, GetOpenTime()),
        GTC_COL(ID_CLOSETIME, 7, STRING, GetCloseTime()),
        GTC_COL(ID_REWARDID, 8, STRING, GetRewardID()),
        GTC_COL(ID_PPARAM0, 9, INT, GetPParambyIndex(0)),
        GTC_COL(ID_FPARAM0, 10, INT, GetFParambyIndex(0)),
        GTC_COL(ID_PPARAM1, 11, INT, GetPParambyIndex(1)),
        GTC_COL(ID_FPARAM1, 12, INT, GetFParambyIndex(1)),
        GTC_COL(ID_PPARAM2, 13, INT, GetPParambyIndex(2)),
        GTC_COL(ID_FPARAM2, 14, INT, GetFParambyIndex(2)),
        GTC_COL(ID_PPARAM3, 15, INT, GetPParambyIndex(3)),
        GTC_COL(ID_FPARAM3, 16, INT, GetFParambyIndex(3)),
        GTC_COL(ID_PPARAM4, 17, INT, GetPParambyIndex(4)),
        GTC_COL(ID_FPARAM4, 18, INT, GetFParambyIndex(4)),
        GTC_COL(ID_PPARAM5, 19, INT, GetPParambyIndex(5)),
        GTC_COL(ID_FPARAM5, 20, INT, GetFParambyIndex(5)),
        GTC_COL(ID_REWARDDISPLAY, 21, STRING, GetRewardDisplay()),
        GTC_COL(ID_FUNCTIONID, 22, INT, GetFunctionID()),
    };
    e.counts = {GTC_COUNT(getPParamCount, 6), GTC_COUNT(getFParamCount, 6)};
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_BossChallenge, 500, 500>, Table_BossChallenge>::value,
              "record base");
GameTableCheck::Expected BossChallengeCase()
{
    typedef Table_BossChallenge T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(BossChallenge), GameTableCheck::HASH, 500, 500, 8, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_MATCHID, 2, INT, GetMatchID()),
        GTC_COL(ID_BIRTHID, 3, INT, GetBirthID()),
        GTC_COL(ID_CONTINUETIME, 4, INT, GetContinueTime()),
        GTC_COL(ID_STARTTYPE, 5, INT, GetStartType()),
        GTC_COL(ID_STARTTIME, 6, STRING, GetStartTime()),
        GTC_COL(ID_ITEMAWARD, 7, STRING, GetItemAward()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_SceneTask, 9999, 10000>, Table_SceneTask>::value,
              "record base");
GameTableCheck::Expected SceneTaskCase()
{
    typedef Table_SceneTask T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(SceneTask), GameTableCheck::SEQUENCE, 9999, 10000, 11, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_MATCHID, 2, INT, GetMatchID()),
        GTC_COL(ID_DIFFICULTY, 3, INT, GetDifficulty()),
        GTC_COL(ID_DURATION, 4, INT, GetDuration()),
        GTC_COL(ID_WEIGHT, 5, INT, GetWeight()),
        GTC_COL(ID_TOTALAWARD, 6, STRING, GetTotalAward()),
        GTC_COL(ID_AWARDA, 7, STRING, GetAwardA()),
        GTC_COL(ID_AWARDB, 8, STRING, GetAwardB()),
        GTC_COL(ID_AWARDC, 9, STRING, GetAwardC()),
        GTC_COL(ID_AWARDHAMMER, 10, INT, GetAwardHammer()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_SceneTaskMonster, 9999, 10000>, Table_SceneTaskMonster>::value,
              "record base");
GameTableCheck::Expected SceneTaskMonsterCase()
{
    typedef Table_SceneTaskMonster T;
    GameTableCheck::Expected e = {GTC_FUNCS(SceneTaskMonster),
        GameTableCheck::SEQUENCE, 9999, 10000, 7, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_MATCHID, 2, INT, GetMatchID()),
        GTC_COL(ID_DIFFICULTY, 3, INT, GetDifficulty()),
        GTC_COL(ID_MONSTERID, 4, INT, GetMonsterID()),
        GTC_COL(ID_MONSTERNUM, 5, INT, GetMonsterNum()),
        GTC_COL(ID_WEIGHT, 6, INT, GetWeight()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_DailyTaskPool, 512, 512>, Table_DailyTaskPool>::value,
              "record base");
GameTableCheck::Expected DailyTaskPoolCase()
{
    typedef Table_DailyTaskPool T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(DailyTaskPool), GameTableCheck::HASH, 512, 512, 10, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_SCENEID, 2, INT, GetSceneID()),
        GTC_COL(ID_TYPE, 3, INT, GetType()),
        GTC_COL(ID_PPARAM, 4, INT, GetPParam()),
        GTC_COL(ID_FPARAM, 5, INT, GetFParam()),
        GTC_COL(ID_QUALITY, 6, INT, GetQuality()),
        GTC_COL(ID_REWARDITEM, 7, STRING, GetRewardItem()),
        GTC_COL(ID_REWARDNUM, 8, STRING, GetRewardNum()),
        GTC_COL(ID_SCENEPICTURE, 9, STRING, GetScenePicture()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_MissionTask, 9999, 10000>, Table_MissionTask>::value,
              "record base");
GameTableCheck::Expected MissionTaskCase()
{
    typedef Table_MissionTask T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(MissionTask), GameTableCheck::HASH, 9999, 10000, 16, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetID()),
        GTC_COL(ID_TYPE, 2, INT, GetType()),
        GTC_COL(ID_NAME, 3, INT, GetName()),
        GTC_COL(ID_LEVEL, 4, INT, GetLevel()),
        GTC_COL(ID_MISSIONDESC, 5, INT, GetMissionDesc()),
        GTC_COL(ID_TARGETDESC, 6, INT, GetTargetDesc()),
        GTC_COL(ID_MONSTERID, 7, INT, GetMonsterID()),
        GTC_COL(ID_MONSTERICON, 8, STRING, GetMonstericon()),
        GTC_COL(ID_AMOUNT, 9, INT, GetAmount()),
        GTC_COL(ID_STORYID, 10, INT, GetStoryID()),
        GTC_COL(ID_IFSTORYWHENFINISH, 11, INT, GetIfstorywhenFinish()),
        GTC_COL(ID_MISSIONIDBEFORE, 12, INT, GetMissionIDBefore()),
        GTC_COL(ID_MISSIONIDAFTER, 13, INT, GetMissionIDAfter()),
        GTC_COL(ID_REWARDDMD, 14, INT, GetRewardDmd()),
        GTC_COL(ID_REWARDCOINS, 15, INT, GetRewardCoins()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_TaskAward, 99999, 100000>, Table_TaskAward>::value,
              "record base");
GameTableCheck::Expected TaskAwardCase()
{
    typedef Table_TaskAward T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(TaskAward), GameTableCheck::HASH, 99999, 100000, 7, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_STARTNUM, 2, INT, GetStartNum()),
        GTC_COL(ID_IFUPDATE, 3, INT, GetIfUpdate()),
        GTC_COL(ID_AWARDITEMID, 4, STRING, GetAwardItemID()),
        GTC_COL(ID_AWARDITEMNUM, 5, STRING, GetAwardItemNum()),
        GTC_COL(ID_MONTH, 6, INT, GetMonth()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_WeeklyAndDailyTask, 99999, 100000>, Table_WeeklyAndDailyTask>::value,
              "record base");
GameTableCheck::Expected WeeklyAndDailyTaskCase()
{
    typedef Table_WeeklyAndDailyTask T;
    GameTableCheck::Expected e = {GTC_FUNCS(WeeklyAndDailyTask),
        GameTableCheck::HASH, 99999, 100000, 15, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_TASKTXT, 2, STRING, GetTaskTxt()),
        GTC_COL(ID_NUMMAX, 3, INT, GetNumMax()),
        GTC_COL(ID_TASKTYPE, 4, INT, GetTaskType()),
        GTC_COL(ID_WEEKID, 5, INT, GetWeekID()),
        GTC_COL(ID_STARNUM, 6, INT, GetStarNum()),
        GTC_COL(ID_AWARDITEMID, 7, INT, GetAwardItemID()),
        GTC_COL(ID_AWARDITEMNUM, 8, INT, GetAwardItemNum()),
        GTC_COL(ID_COMPLETECONDITION, 9, STRING, GetCompleteCondition()),
        GTC_COL(ID_COMPLETEPARAMETER1, 10, STRING, GetCompleteParameterbyIndex(0)),
        GTC_COL(ID_COMPLETEPARAMETER2, 11, STRING, GetCompleteParameterbyIndex(1)),
        GTC_COL(ID_COMPLETEPARAMETER3, 12, STRING, GetCompleteParameterbyIndex(2)),
        GTC_COL(ID_COMPLETEPARAMETER4, 13, STRING, GetCompleteParameterbyIndex(3)),
        GTC_COL(ID_COMPLETEPARAMETER5, 14, STRING, GetCompleteParameterbyIndex(4)),
    };
    e.counts = {GTC_COUNT(getCompleteParameterCount, 5)};
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_MatchTB, 99, 100>, Table_MatchTB>::value, "record base");
GameTableCheck::Expected MatchTBCase()
{
    typedef Table_MatchTB T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(MatchTB), GameTableCheck::SEQUENCE, 99, 100, 44, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_MATCHDESINTERFACE, 2, INT, GetMatchDesInterface()),
        GTC_COL(ID_MATCHDESTIME, 3, INT, GetMatchDesTime()),
        GTC_COL(ID_MATCHDESRULE, 4, INT, GetMatchDesRule()),
        GTC_COL(ID_TYPE, 5, INT, GetType()),
        GTC_COL(ID_TIMEAREA0, 6, STRING, GetTimeArea0()),
        GTC_COL(ID_TIMEINTERVAL, 7, INT, GetTimeInterval()),
        GTC_COL(ID_ENROLLTIME, 8, INT, GetEnrollTime()),
        GTC_COL(ID_ROUNDTIME, 9, INT, GetRoundTime()),
        GTC_COL(ID_MATCHPLAYERMAX, 10, INT, GetMatchPlayerMax()),
        GTC_COL(ID_ROOMNUMMAX, 11, INT, GetRoomNumMax()),
        GTC_COL(ID_ROOMPLAYERMAX, 12, INT, GetRoomPlayerMax()),
        GTC_COL(ID_ROUNDNUMMAX, 13, INT, GetRoundNumMax()),
        GTC_COL(ID_SCENEID, 14, INT, GetSceneId()),
        GTC_COL(ID_COSTITEMID, 15, INT, GetCostItemId()),
        GTC_COL(ID_COSTITEMNUM, 16, INT, GetCostItemNum()),
        GTC_COL(ID_RANKID, 17, INT, GetRankId()),
        GTC_COL(ID_REWARDID, 18, STRING, GetRewardId()),
        GTC_COL(ID_REFRESHROBORT, 19, INT, GetRefreshRobort()),
        GTC_COL(ID_MATCHLIMIT, 20, INT, GetMatchLimit()),
        GTC_COL(ID_NOTICETIMES, 21, INT, GetNoticeTimeS()),
        GTC_COL(ID_NOTICETIMEE, 22, INT, GetNoticeTimeE()),
        GTC_COL(ID_NOTICEINTERVAL, 23, INT, GetNoticeInterval()),
        GTC_COL(ID_NOTICEID, 24, INT, GetNoticeId()),
        GTC_COL(ID_SCORENUM, 25, INT, GetScoreNum()),
        GTC_COL(ID_MINLEVEL, 26, INT, GetMinLevel()),
        GTC_COL(ID_QVEXPLEVEL, 27, INT, GetQVExpLevel()),
        GTC_COL(ID_MAXLEVEL, 28, INT, GetMaxLevel()),
        GTC_COL(ID_MINATK, 29, INT, GetMinAtk()),
        GTC_COL(ID_PLAYERMAXATK, 30, INT, GetPlayerMaxAtk()),
        GTC_COL(ID_DEFAULTATK, 31, INT, GetDefaultAtk()),
        GTC_COL(ID_PLAYERATKADJUST, 32, INT, GetPlayerAtkAdjust()),
        GTC_COL(ID_MINGOLD, 33, INT, GetMinGold()),
        GTC_COL(ID_QVROOMID, 34, INT, GetQVRoomID()),
        GTC_COL(ID_QVMATCHID, 35, INT, GetQVMatchID()),
        GTC_COL(ID_EXCHANGEMUL, 36, INT, GetExchangeMul()),
        GTC_COL(ID_GOLDLIMIT, 37, INT, GetGoldLimit()),
        GTC_COL(ID_GOLDWARNING, 38, INT, GetGoldWarning()),
        GTC_COL(ID_COPYSCENEID, 39, INT, GetCopySceneID()),
        GTC_COL(ID_COPYTHRESHOLD, 40, INT, GetCopyThreshold()),
        GTC_COL(ID_COPYINVITETIME, 41, INT, GetCopyInviteTIme()),
        GTC_COL(ID_TAXRATE, 42, INT, GetTaxRate()),
        GTC_COL(ID_ALWAYSCREATE, 43, INT, GetAlwaysCreate()),
    };
    return e;
}

TEST(TaskTables, NoticeAndSystemEmail)
{
    GameTableCheck::CheckTable(NoticeCase());
    GameTableCheck::CheckTable(SystemEmailCase());
}

TEST(TaskTables, Activity)
{
    GameTableCheck::CheckTable(ActivityCase());
    GameTableCheck::CheckTable(ActivitySwitchCase());
    GameTableCheck::CheckTable(ActivityTaskCase());
}

TEST(TaskTables, BossChallengeAndSceneTask)
{
    GameTableCheck::CheckTable(BossChallengeCase());
    GameTableCheck::CheckTable(SceneTaskCase());
    GameTableCheck::CheckTable(SceneTaskMonsterCase());
}

TEST(TaskTables, DailyWeeklyAndMissionTask)
{
    GameTableCheck::CheckTable(DailyTaskPoolCase());
    GameTableCheck::CheckTable(MissionTaskCase());
    GameTableCheck::CheckTable(TaskAwardCase());
    GameTableCheck::CheckTable(WeeklyAndDailyTaskCase());
}

TEST(TaskTables, Match)
{
    GameTableCheck::CheckTable(MatchTBCase());
}

}   // namespace
