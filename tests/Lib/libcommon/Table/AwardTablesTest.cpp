// Award, card, wheel, lottery, jackpot, board-walk and treasure-island tables: each module against its column list.

#include "GameTableCheck.h"

#include "Table_BoonCard.h"
#include "Table_JackpotActivity.h"
#include "Table_JackpotPool.h"
#include "Table_JackpotTaskReward.h"
#include "Table_LogInAward.h"
#include "Table_LotteryTicketAward.h"
#include "Table_LotteryTicketAwardWeight.h"
#include "Table_LuckyWheel.h"
#include "Table_MonopolyActivity.h"
#include "Table_MonopolyPool.h"
#include "Table_MonopolyStoreyReward.h"
#include "Table_NewLotteryTicket.h"
#include "Table_NewLotteryTicketReward.h"
#include "Table_QVAward.h"
#include "Table_ScrapingCard.h"
#include "Table_TreasureIsland.h"
#include "Table_TreasureIslandReward.h"
#include "Table_TreasureIslandTime.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace
{
static_assert(std::is_base_of<DBC_Recorder_Loader<Table_BoonCard, 99999, 20000>, Table_BoonCard>::value,
              "record base");
GameTableCheck::Expected BoonCardCase()
{
    typedef Table_BoonCard T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(BoonCard), GameTableCheck::HASH, 99999, 20000, 8, {}, {}, {}};
    e.declOrder = {4, 6, 3, 5, 0, 7, 2};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_TIME, 2, INT, GetTime()),
        GTC_COL(ID_BATTLEMONEYADD, 3, INT, GetBattleMoneyAdd()),
        GTC_COL(ID_BATTLEEXPADD, 4, INT, GetBattleExpAdd()),
        GTC_COL(ID_BATTLEMONEYLIMITADD, 5, INT, GetBattleMoneyLimitAdd()),
        GTC_COL(ID_BATTLEEXPLIMITADD, 6, INT, GetBattleExpLimitAdd()),
        GTC_COL(ID_MAILITEM, 7, STRING, GetMailItem()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_LogInAward, 99999, 100000>, Table_LogInAward>::value,
              "record base");
GameTableCheck::Expected LogInAwardCase()
{
    typedef Table_LogInAward T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(LogInAward), GameTableCheck::SEQUENCE, 99999, 100000, 7, {}, {}, {}};
    e.declOrder = {2, 5, 0, 3, 4, 6};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_DAYNUM, 2, STRING, GetDayNum()),
        GTC_COL(ID_ITEMID, 3, STRING, GetItemId()),
        GTC_COL(ID_ITEMNUM, 4, STRING, GetItemNum()),
        GTC_COL(ID_DIAMONDNUM, 5, INT, GetDiamondNum()),
        GTC_COL(ID_LOCALID, 6, INT, GetLocalID()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_LuckyWheel, 1999, 2000>, Table_LuckyWheel>::value,
              "record base");
GameTableCheck::Expected LuckyWheelCase()
{
    typedef Table_LuckyWheel T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(LuckyWheel), GameTableCheck::HASH, 1999, 2000, 5, {}, {}, {}};
    e.declOrder = {3, 0, 2, 4};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_ITEMID, 2, INT, GetItemID()),
        GTC_COL(ID_COUNT, 3, INT, GetCount()),
        GTC_COL(ID_PERCENT, 4, INT, GetPercent()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_QVAward, 500, 500>, Table_QVAward>::value, "record base");
GameTableCheck::Expected QVAwardCase()
{
    typedef Table_QVAward T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(QVAward), GameTableCheck::HASH, 500, 500, 5, {}, {}, {}};
    e.declOrder = {0, 2, 3, 4};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_NUM, 2, INT, GetNum()),
        GTC_COL(ID_MPID, 3, INT, GetMpid()),
        GTC_COL(ID_PLANID, 4, INT, GetPlanid()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_ScrapingCard, 999, 1000>, Table_ScrapingCard>::value,
              "record base");
GameTableCheck::Expected ScrapingCardCase()
{
    typedef Table_ScrapingCard T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(ScrapingCard), GameTableCheck::HASH, 999, 1000, 9, {}, {}, {}};
    e.declOrder = {8, 7, 5, 2, 6, 0, 3, 4};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_DESCID, 2, INT, GetDescId()),
        GTC_COL(ID_ITEMID, 3, INT, GetItemid()),
        GTC_COL(ID_PERCENT, 4, INT, GetPercent()),
        GTC_COL(ID_COUNT, 5, INT, GetCount()),
        GTC_COL(ID_ICONNAME, 6, STRING, GetIconName()),
        GTC_COL(ID_CONGRATSICONNAME, 7, STRING, GetCongratsIconName()),
        GTC_COL(ID_CARDICONNAME, 8, STRING, GetCardIconName()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_LotteryTicketAward, 9999, 10000>, Table_LotteryTicketAward>::value,
              "record base");
GameTableCheck::Expected LotteryTicketAwardCase()
{
    typedef Table_LotteryTicketAward T;
    GameTableCheck::Expected e = {GTC_FUNCS(LotteryTicketAward),
        GameTableCheck::SEQUENCE, 9999, 10000, 10, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_NAME, 2, INT, GetName()),
        GTC_COL(ID_MATCHID, 3, INT, GetMatchID()),
        GTC_COL(ID_GROUP, 4, INT, GetGroup()),
        GTC_COL(ID_TICKETNUM, 5, INT, GetTicketNum()),
        GTC_COL(ID_ORDER, 6, INT, GetOrder()),
        GTC_COL(ID_AWARDID, 7, INT, GetAwardID()),
        GTC_COL(ID_AWARDNUM, 8, INT, GetAwardNum()),
        GTC_COL(ID_HIGHLIGHT, 9, INT, GetHighLight()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_LotteryTicketAwardWeight, 9999, 10000>, Table_LotteryTicketAwardWeight>::value,
              "record base");
GameTableCheck::Expected LotteryTicketAwardWeightCase()
{
    typedef Table_LotteryTicketAwardWeight T;
    GameTableCheck::Expected e = {GTC_FUNCS(LotteryTicketAwardWeight),
        GameTableCheck::SEQUENCE, 9999, 10000, 5, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_AWARDWEIGHT, 2, INT, GetAwardWeight()),
        GTC_COL(ID_DAILYRET, 3, INT, GetDailyRet()),
        GTC_COL(ID_WEEKLYRET, 4, INT, GetWeeklyRet()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_NewLotteryTicket, 512, 512>, Table_NewLotteryTicket>::value,
              "record base");
GameTableCheck::Expected NewLotteryTicketCase()
{
    typedef Table_NewLotteryTicket T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(NewLotteryTicket), GameTableCheck::HASH, 512, 512, 13, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_BEASCOST, 2, INT, GetBeasCost()),
        GTC_COL(ID_COSTMINMULTIPLE, 3, INT, GetCostMinMultiple()),
        GTC_COL(ID_COSTMAXMULTIPLE, 4, INT, GetCostMaxMultiple()),
        GTC_COL(ID_TURNTABLENUMID, 5, STRING, GetTurnTableNumID()),
        GTC_COL(ID_TURNTABLENUMRATE, 6, STRING, GetTurnTableNumRate()),
        GTC_COL(ID_TURNTABLEREWARDID, 7, STRING, GetTurnTableRewardID()),
        GTC_COL(ID_TURNTABLEREWARDRATE, 8, STRING, GetTurnTableRewardRate()),
        GTC_COL(ID_BROADCASTQV, 9, INT, GetBroadcastQV()),
        GTC_COL(ID_BROADCASTMULTIPLE, 10, INT, GetBroadcastMultiple()),
        GTC_COL(ID_BROADCASE, 11, INT, GetBroadcase()),
        GTC_COL(ID_DAYCOSTLIMIT, 12, INT, GetDayCostLimit()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_NewLotteryTicketReward, 512, 512>, Table_NewLotteryTicketReward>::value,
              "record base");
GameTableCheck::Expected NewLotteryTicketRewardCase()
{
    typedef Table_NewLotteryTicketReward T;
    GameTableCheck::Expected e = {GTC_FUNCS(NewLotteryTicketReward),
        GameTableCheck::HASH, 512, 512, 6, {}, {}, {}};
    e.declOrder = {4, 5, 0, 2, 3};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_TYPE, 2, INT, GetType()),
        GTC_COL(ID_POSITION, 3, INT, GetPosition()),
        GTC_COL(ID_AWARDID, 4, INT, GetAwardID()),
        GTC_COL(ID_AWARDNUM, 5, INT, GetAwardNum()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_JackpotActivity, 999, 1000>, Table_JackpotActivity>::value,
              "record base");
GameTableCheck::Expected JackpotActivityCase()
{
    typedef Table_JackpotActivity T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(JackpotActivity), GameTableCheck::HASH, 999, 1000, 10, {}, {}, {}};
    e.declOrder = {2, 4, 0, 5, 7, 6, 3, 9, 8};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_ACTIVITYNAME, 2, STRING, GetActivityName()),
        GTC_COL(ID_OPENTIME, 3, STRING, GetOpenTime()),
        GTC_COL(ID_CLOSETIME, 4, STRING, GetCloseTime()),
        GTC_COL(ID_LOTTERYID, 5, INT, GetLotteryID()),
        GTC_COL(ID_LOTTERYSINGLE, 6, INT, GetLotterySingle()),
        GTC_COL(ID_LOTTERYLOT, 7, INT, GetLotteryLot()),
        GTC_COL(ID_TASKID, 8, STRING, GetTaskID()),
        GTC_COL(ID_POOLITEMID, 9, STRING, GetPoolItemID()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_JackpotPool, 99999, 10000>, Table_JackpotPool>::value,
              "record base");
GameTableCheck::Expected JackpotPoolCase()
{
    typedef Table_JackpotPool T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(JackpotPool), GameTableCheck::HASH, 99999, 10000, 8, {}, {}, {}};
    e.declOrder = {7, 0, 5, 6, 2, 4, 3};
    e.columns = {
        GTC_COL(ID_ECA_ID, 0, INT, GetECAId()),
        GTC_COL(ID_ITEMID, 2, INT, GetItemID()),
        GTC_COL(ID_ITEMNUM, 3, INT, GetItemNum()),
        GTC_COL(ID_ITEMNAME, 4, STRING, GetItemName()),
        GTC_COL(ID_ISQVREWARD, 5, INT, GetIsQVReward()),
        GTC_COL(ID_ISRARE, 6, INT, GetIsRare()),
        GTC_COL(ID_BROADCAST, 7, INT, GetBroadcast()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_JackpotTaskReward, 9999, 10000>, Table_JackpotTaskReward>::value,
              "record base");
GameTableCheck::Expected JackpotTaskRewardCase()
{
    typedef Table_JackpotTaskReward T;
    GameTableCheck::Expected e = {GTC_FUNCS(JackpotTaskReward),
        GameTableCheck::HASH, 9999, 10000, 11, {}, {}, {}};
    e.declOrder = {0, 2, 4, 6, 8, 10, 3, 5, 7, 9};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_NEEDNUM, 2, INT, GetNeedNum()),
        GTC_COL(ID_REWARD1, 3, INT, GetRewardbyIndex(0)),
        GTC_COL(ID_NUM1, 4, INT, GetNumbyIndex(0)),
        GTC_COL(ID_REWARD2, 5, INT, GetRewardbyIndex(1)),
        GTC_COL(ID_NUM2, 6, INT, GetNumbyIndex(1)),
        GTC_COL(ID_REWARD3, 7, INT, GetRewardbyIndex(2)),
        GTC_COL(ID_NUM3, 8, INT, GetNumbyIndex(2)),
        GTC_COL(ID_REWARD4, 9, INT, GetRewardbyIndex(3)),
        GTC_COL(ID_NUM4, 10, INT, GetNumbyIndex(3)),
    };
    e.counts = {GTC_COUNT(getRewardCount, 4), GTC_COUNT(getNumCount, 4)};
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_MonopolyActivity, 999, 1000>, Table_MonopolyActivity>::value,
              "record base");
GameTableCheck::Expected MonopolyActivityCase()
{
    typedef Table_MonopolyActivity T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(MonopolyActivity), GameTableCheck::HASH, 999, 1000, 12, {}, {}, {}};
    e.declOrder = {2, 11, 10, 4, 5, 6, 7, 0, 8, 3, 9};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_ACTIVITYNAME, 2, STRING, GetActivityName()),
        GTC_COL(ID_OPENTIME, 3, STRING, GetOpenTime()),
        GTC_COL(ID_CLOSETIME, 4, STRING, GetCloseTime()),
        GTC_COL(ID_COSTITEM, 5, INT, GetCostItem()),
        GTC_COL(ID_COSTNUM, 6, INT, GetCostNum()),
        GTC_COL(ID_GRIDNUM, 7, INT, GetGridNum()),
        GTC_COL(ID_MAXSTOREY, 8, INT, GetMaxStorey()),
        GTC_COL(ID_TASKID, 9, STRING, GetTaskID()),
        GTC_COL(ID_BROADCASEREWARD, 10, STRING, GetBroadcaseReward()),
        GTC_COL(ID_BROADCASE, 11, INT, GetBroadcase()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_MonopolyPool, 10000, 10000>, Table_MonopolyPool>::value,
              "record base");
GameTableCheck::Expected MonopolyPoolCase()
{
    typedef Table_MonopolyPool T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(MonopolyPool), GameTableCheck::HASH, 10000, 10000, 7, {}, {}, {}};
    e.declOrder = {0, 6, 5, 2, 3, 4};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_REWARDID, 2, INT, GetRewardID()),
        GTC_COL(ID_REWARDICON, 3, STRING, GetRewardIcon()),
        GTC_COL(ID_REWARDNUM, 4, INT, GetRewardNum()),
        GTC_COL(ID_QUALITY, 5, INT, GetQuality()),
        GTC_COL(ID_ISPACKET, 6, INT, GetIsPacket()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_MonopolyStoreyReward, 9999, 10000>, Table_MonopolyStoreyReward>::value,
              "record base");
GameTableCheck::Expected MonopolyStoreyRewardCase()
{
    typedef Table_MonopolyStoreyReward T;
    GameTableCheck::Expected e = {GTC_FUNCS(MonopolyStoreyReward),
        GameTableCheck::HASH, 9999, 10000, 11, {}, {}, {}};
    e.declOrder = {0, 4, 6, 8, 10, 3, 5, 7, 9, 2};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_STOREYNUM, 2, INT, GetStoreyNum()),
        GTC_COL(ID_REWARD1, 3, INT, GetRewardbyIndex(0)),
        GTC_COL(ID_NUM1, 4, INT, GetNumbyIndex(0)),
        GTC_COL(ID_REWARD2, 5, INT, GetRewardbyIndex(1)),
        GTC_COL(ID_NUM2, 6, INT, GetNumbyIndex(1)),
        GTC_COL(ID_REWARD3, 7, INT, GetRewardbyIndex(2)),
        GTC_COL(ID_NUM3, 8, INT, GetNumbyIndex(2)),
        GTC_COL(ID_REWARD4, 9, INT, GetRewardbyIndex(3)),
        GTC_COL(ID_NUM4, 10, INT, GetNumbyIndex(3)),
    };
    e.counts = {GTC_COUNT(getRewardCount, 4), GTC_COUNT(getNumCount, 4)};
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_TreasureIsland, 512, 512>, Table_TreasureIsland>::value,
              "record base");
GameTableCheck::Expected TreasureIslandCase()
{
    typedef Table_TreasureIsland T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(TreasureIsland), GameTableCheck::HASH, 512, 512, 10, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_TYPE, 2, INT, GetType()),
        GTC_COL(ID_POSITIONX, 3, INT, GetPositionX()),
        GTC_COL(ID_POSITIONY, 4, INT, GetPositionY()),
        GTC_COL(ID_REWARDS, 5, STRING, GetRewards()),
        GTC_COL(ID_WEIGHT, 6, STRING, GetWeight()),
        GTC_COL(ID_COSTITEMID, 7, INT, GetCostItemId()),
        GTC_COL(ID_COST, 8, INT, GetCost()),
        GTC_COL(ID_BOMBHURTNUM, 9, INT, GetBombHurtNum()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_TreasureIslandReward, 512, 512>, Table_TreasureIslandReward>::value,
              "record base");
GameTableCheck::Expected TreasureIslandRewardCase()
{
    typedef Table_TreasureIslandReward T;
    GameTableCheck::Expected e = {GTC_FUNCS(TreasureIslandReward),
        GameTableCheck::HASH, 512, 512, 5, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_TYPE, 2, INT, GetType()),
        GTC_COL(ID_ITEMID, 3, INT, GetItemId()),
        GTC_COL(ID_ITEMCOUNT, 4, INT, GetItemCount()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_TreasureIslandTime, 999, 1000>, Table_TreasureIslandTime>::value,
              "record base");
GameTableCheck::Expected TreasureIslandTimeCase()
{
    typedef Table_TreasureIslandTime T;
    GameTableCheck::Expected e = {GTC_FUNCS(TreasureIslandTime),
        GameTableCheck::HASH, 999, 1000, 16, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_STARTTIME, 2, STRING, GetStartTime()),
        GTC_COL(ID_FINISHTIME, 3, STRING, GetFinishTime()),
        GTC_COL(ID_COSTITEMID, 4, INT, GetCostItemId()),
        GTC_COL(ID_SPECIALITEMID, 5, INT, GetSpecialItemId()),
        GTC_COL(ID_CHIPID, 6, INT, GetChipId()),
        GTC_COL(ID_CHIPREWARDID, 7, INT, GetChipRewardId()),
        GTC_COL(ID_CHIPEXCHANGENUM, 8, INT, GetChipExchangeNum()),
        GTC_COL(ID_ISLANDSNUM, 9, STRING, GetIslandsNum()),
        GTC_COL(ID_NPCDIALOGUE1, 10, STRING, GetNpcDialoguebyIndex(0)),
        GTC_COL(ID_NPCDIALOGUE2, 11, STRING, GetNpcDialoguebyIndex(1)),
        GTC_COL(ID_NPCDIALOGUE3, 12, STRING, GetNpcDialoguebyIndex(2)),
        GTC_COL(ID_NPCDIALOGUE4, 13, STRING, GetNpcDialoguebyIndex(3)),
        GTC_COL(ID_BOMBICON, 14, STRING, GetBombIcon()),
        GTC_COL(ID_BROADCASTID, 15, INT, GetBroadcastID()),
    };
    e.counts = {GTC_COUNT(getNpcDialogueCount, 4)};
    return e;
}

TEST(AwardTables, LoginCardAndWheelAward)
{
    GameTableCheck::CheckTable(BoonCardCase());
    GameTableCheck::CheckTable(LogInAwardCase());
    GameTableCheck::CheckTable(LuckyWheelCase());
    GameTableCheck::CheckTable(QVAwardCase());
    GameTableCheck::CheckTable(ScrapingCardCase());
}

TEST(AwardTables, Lottery)
{
    GameTableCheck::CheckTable(LotteryTicketAwardCase());
    GameTableCheck::CheckTable(LotteryTicketAwardWeightCase());
    GameTableCheck::CheckTable(NewLotteryTicketCase());
    GameTableCheck::CheckTable(NewLotteryTicketRewardCase());
}

TEST(AwardTables, Jackpot)
{
    GameTableCheck::CheckTable(JackpotActivityCase());
    GameTableCheck::CheckTable(JackpotPoolCase());
    GameTableCheck::CheckTable(JackpotTaskRewardCase());
}

TEST(AwardTables, BoardWalk)
{
    GameTableCheck::CheckTable(MonopolyActivityCase());
    GameTableCheck::CheckTable(MonopolyPoolCase());
    GameTableCheck::CheckTable(MonopolyStoreyRewardCase());
}

TEST(AwardTables, TreasureIsland)
{
    GameTableCheck::CheckTable(TreasureIslandCase());
    GameTableCheck::CheckTable(TreasureIslandRewardCase());
    GameTableCheck::CheckTable(TreasureIslandTimeCase());
}

}   // namespace
