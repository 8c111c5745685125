// Award, card, wheel, lottery, jackpot, board-walk and treasure-island tables: each module against its column list.

#include "EconomyTaskTableCheck.h"

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
const TableCheck::Spec<Table_BoonCard> BOON_CARD = {
    TC_FUNCS(BoonCard), true, 99999, 20000, 8,
    {
        TC_COL(Table_BoonCard, GetId, ID_ID, 0, INT),
        TC_COL(Table_BoonCard, GetTime, ID_TIME, 2, INT),
        TC_COL(Table_BoonCard, GetBattleMoneyAdd, ID_BATTLEMONEYADD, 3, INT),
        TC_COL(Table_BoonCard, GetBattleExpAdd, ID_BATTLEEXPADD, 4, INT),
        TC_COL(Table_BoonCard, GetBattleMoneyLimitAdd, ID_BATTLEMONEYLIMITADD, 5, INT),
        TC_COL(Table_BoonCard, GetBattleExpLimitAdd, ID_BATTLEEXPLIMITADD, 6, INT),
        TC_COL(Table_BoonCard, GetMailItem, ID_MAILITEM, 7, STRING),
    },
    {},
    {4, 6, 3, 5, 0, 7, 2}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_LogInAward, 99999, 100000>, Table_LogInAward>::value,
              "record base");
const TableCheck::Spec<Table_LogInAward> LOG_IN_AWARD = {
    TC_FUNCS(LogInAward), false, 99999, 100000, 7,
    {
        TC_COL(Table_LogInAward, GetId, ID_ID, 0, INT),
        TC_COL(Table_LogInAward, GetDayNum, ID_DAYNUM, 2, STRING),
        TC_COL(Table_LogInAward, GetItemId, ID_ITEMID, 3, STRING),
        TC_COL(Table_LogInAward, GetItemNum, ID_ITEMNUM, 4, STRING),
        TC_COL(Table_LogInAward, GetDiamondNum, ID_DIAMONDNUM, 5, INT),
        TC_COL(Table_LogInAward, GetLocalID, ID_LOCALID, 6, INT),
    },
    {},
    {2, 5, 0, 3, 4, 6}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_LuckyWheel, 1999, 2000>, Table_LuckyWheel>::value,
              "record base");
const TableCheck::Spec<Table_LuckyWheel> LUCKY_WHEEL = {
    TC_FUNCS(LuckyWheel), true, 1999, 2000, 5,
    {
        TC_COL(Table_LuckyWheel, GetId, ID_ID, 0, INT),
        TC_COL(Table_LuckyWheel, GetItemID, ID_ITEMID, 2, INT),
        TC_COL(Table_LuckyWheel, GetCount, ID_COUNT, 3, INT),
        TC_COL(Table_LuckyWheel, GetPercent, ID_PERCENT, 4, INT),
    },
    {},
    {3, 0, 2, 4}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_QVAward, 500, 500>, Table_QVAward>::value, "record base");
const TableCheck::Spec<Table_QVAward> QV_AWARD = {
    TC_FUNCS(QVAward), true, 500, 500, 5,
    {
        TC_COL(Table_QVAward, GetId, ID_ID, 0, INT),
        TC_COL(Table_QVAward, GetNum, ID_NUM, 2, INT),
        TC_COL(Table_QVAward, GetMpid, ID_MPID, 3, INT),
        TC_COL(Table_QVAward, GetPlanid, ID_PLANID, 4, INT),
    },
    {},
    {0, 2, 3, 4}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_ScrapingCard, 999, 1000>, Table_ScrapingCard>::value,
              "record base");
const TableCheck::Spec<Table_ScrapingCard> SCRAPING_CARD = {
    TC_FUNCS(ScrapingCard), true, 999, 1000, 9,
    {
        TC_COL(Table_ScrapingCard, GetId, ID_ID, 0, INT),
        TC_COL(Table_ScrapingCard, GetDescId, ID_DESCID, 2, INT),
        TC_COL(Table_ScrapingCard, GetItemid, ID_ITEMID, 3, INT),
        TC_COL(Table_ScrapingCard, GetPercent, ID_PERCENT, 4, INT),
        TC_COL(Table_ScrapingCard, GetCount, ID_COUNT, 5, INT),
        TC_COL(Table_ScrapingCard, GetIconName, ID_ICONNAME, 6, STRING),
        TC_COL(Table_ScrapingCard, GetCongratsIconName, ID_CONGRATSICONNAME, 7, STRING),
        TC_COL(Table_ScrapingCard, GetCardIconName, ID_CARDICONNAME, 8, STRING),
    },
    {},
    {8, 7, 5, 2, 6, 0, 3, 4}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_LotteryTicketAward, 9999, 10000>, Table_LotteryTicketAward>::value,
              "record base");
const TableCheck::Spec<Table_LotteryTicketAward> LOTTERY_TICKET_AWARD = {
    TC_FUNCS(LotteryTicketAward), false, 9999, 10000, 10,
    {
        TC_COL(Table_LotteryTicketAward, GetId, ID_ID, 0, INT),
        TC_COL(Table_LotteryTicketAward, GetName, ID_NAME, 2, INT),
        TC_COL(Table_LotteryTicketAward, GetMatchID, ID_MATCHID, 3, INT),
        TC_COL(Table_LotteryTicketAward, GetGroup, ID_GROUP, 4, INT),
        TC_COL(Table_LotteryTicketAward, GetTicketNum, ID_TICKETNUM, 5, INT),
        TC_COL(Table_LotteryTicketAward, GetOrder, ID_ORDER, 6, INT),
        TC_COL(Table_LotteryTicketAward, GetAwardID, ID_AWARDID, 7, INT),
        TC_COL(Table_LotteryTicketAward, GetAwardNum, ID_AWARDNUM, 8, INT),
        TC_COL(Table_LotteryTicketAward, GetHighLight, ID_HIGHLIGHT, 9, INT),
    },
    {},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_LotteryTicketAwardWeight, 9999, 10000>, Table_LotteryTicketAwardWeight>::value,
              "record base");
const TableCheck::Spec<Table_LotteryTicketAwardWeight> LOTTERY_TICKET_AWARD_WEIGHT = {
    TC_FUNCS(LotteryTicketAwardWeight), false, 9999, 10000, 5,
    {
        TC_COL(Table_LotteryTicketAwardWeight, GetId, ID_ID, 0, INT),
        TC_COL(Table_LotteryTicketAwardWeight, GetAwardWeight, ID_AWARDWEIGHT, 2, INT),
        TC_COL(Table_LotteryTicketAwardWeight, GetDailyRet, ID_DAILYRET, 3, INT),
        TC_COL(Table_LotteryTicketAwardWeight, GetWeeklyRet, ID_WEEKLYRET, 4, INT),
    },
    {},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_NewLotteryTicket, 512, 512>, Table_NewLotteryTicket>::value,
              "record base");
const TableCheck::Spec<Table_NewLotteryTicket> NEW_LOTTERY_TICKET = {
    TC_FUNCS(NewLotteryTicket), true, 512, 512, 13,
    {
        TC_COL(Table_NewLotteryTicket, GetId, ID_ID, 0, INT),
        TC_COL(Table_NewLotteryTicket, GetBeasCost, ID_BEASCOST, 2, INT),
        TC_COL(Table_NewLotteryTicket, GetCostMinMultiple, ID_COSTMINMULTIPLE, 3, INT),
        TC_COL(Table_NewLotteryTicket, GetCostMaxMultiple, ID_COSTMAXMULTIPLE, 4, INT),
        TC_COL(Table_NewLotteryTicket, GetTurnTableNumID, ID_TURNTABLENUMID, 5, STRING),
        TC_COL(Table_NewLotteryTicket, GetTurnTableNumRate, ID_TURNTABLENUMRATE, 6, STRING),
        TC_COL(Table_NewLotteryTicket, GetTurnTableRewardID, ID_TURNTABLEREWARDID, 7, STRING),
        TC_COL(Table_NewLotteryTicket, GetTurnTableRewardRate, ID_TURNTABLEREWARDRATE, 8, STRING),
        TC_COL(Table_NewLotteryTicket, GetBroadcastQV, ID_BROADCASTQV, 9, INT),
        TC_COL(Table_NewLotteryTicket, GetBroadcastMultiple, ID_BROADCASTMULTIPLE, 10, INT),
        TC_COL(Table_NewLotteryTicket, GetBroadcase, ID_BROADCASE, 11, INT),
        TC_COL(Table_NewLotteryTicket, GetDayCostLimit, ID_DAYCOSTLIMIT, 12, INT),
    },
    {},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_NewLotteryTicketReward, 512, 512>, Table_NewLotteryTicketReward>::value,
              "record base");
const TableCheck::Spec<Table_NewLotteryTicketReward> NEW_LOTTERY_TICKET_REWARD = {
    TC_FUNCS(NewLotteryTicketReward), true, 512, 512, 6,
    {
        TC_COL(Table_NewLotteryTicketReward, GetId, ID_ID, 0, INT),
        TC_COL(Table_NewLotteryTicketReward, GetType, ID_TYPE, 2, INT),
        TC_COL(Table_NewLotteryTicketReward, GetPosition, ID_POSITION, 3, INT),
        TC_COL(Table_NewLotteryTicketReward, GetAwardID, ID_AWARDID, 4, INT),
        TC_COL(Table_NewLotteryTicketReward, GetAwardNum, ID_AWARDNUM, 5, INT),
    },
    {},
    {4, 5, 0, 2, 3}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_JackpotActivity, 999, 1000>, Table_JackpotActivity>::value,
              "record base");
const TableCheck::Spec<Table_JackpotActivity> JACKPOT_ACTIVITY = {
    TC_FUNCS(JackpotActivity), true, 999, 1000, 10,
    {
        TC_COL(Table_JackpotActivity, GetId, ID_ID, 0, INT),
        TC_COL(Table_JackpotActivity, GetActivityName, ID_ACTIVITYNAME, 2, STRING),
        TC_COL(Table_JackpotActivity, GetOpenTime, ID_OPENTIME, 3, STRING),
        TC_COL(Table_JackpotActivity, GetCloseTime, ID_CLOSETIME, 4, STRING),
        TC_COL(Table_JackpotActivity, GetLotteryID, ID_LOTTERYID, 5, INT),
        TC_COL(Table_JackpotActivity, GetLotterySingle, ID_LOTTERYSINGLE, 6, INT),
        TC_COL(Table_JackpotActivity, GetLotteryLot, ID_LOTTERYLOT, 7, INT),
        TC_COL(Table_JackpotActivity, GetTaskID, ID_TASKID, 8, STRING),
        TC_COL(Table_JackpotActivity, GetPoolItemID, ID_POOLITEMID, 9, STRING),
    },
    {},
    {2, 4, 0, 5, 7, 6, 3, 9, 8}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_JackpotPool, 99999, 10000>, Table_JackpotPool>::value,
              "record base");
const TableCheck::Spec<Table_JackpotPool> JACKPOT_POOL = {
    TC_FUNCS(JackpotPool), true, 99999, 10000, 8,
    {
        TC_COL(Table_JackpotPool, GetECAId, ID_ECA_ID, 0, INT),
        TC_COL(Table_JackpotPool, GetItemID, ID_ITEMID, 2, INT),
        TC_COL(Table_JackpotPool, GetItemNum, ID_ITEMNUM, 3, INT),
        TC_COL(Table_JackpotPool, GetItemName, ID_ITEMNAME, 4, STRING),
        TC_COL(Table_JackpotPool, GetIsQVReward, ID_ISQVREWARD, 5, INT),
        TC_COL(Table_JackpotPool, GetIsRare, ID_ISRARE, 6, INT),
        TC_COL(Table_JackpotPool, GetBroadcast, ID_BROADCAST, 7, INT),
    },
    {},
    {7, 0, 5, 6, 2, 4, 3}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_JackpotTaskReward, 9999, 10000>, Table_JackpotTaskReward>::value,
              "record base");
const TableCheck::Spec<Table_JackpotTaskReward> JACKPOT_TASK_REWARD = {
    TC_FUNCS(JackpotTaskReward), true, 9999, 10000, 11,
    {
        TC_COL(Table_JackpotTaskReward, GetId, ID_ID, 0, INT),
        TC_COL(Table_JackpotTaskReward, GetNeedNum, ID_NEEDNUM, 2, INT),
        TC_ELEM(Table_JackpotTaskReward, GetRewardbyIndex, ID_REWARD1, 3, INT, 0),
        TC_ELEM(Table_JackpotTaskReward, GetNumbyIndex, ID_NUM1, 4, INT, 0),
        TC_ELEM(Table_JackpotTaskReward, GetRewardbyIndex, ID_REWARD2, 5, INT, 1),
        TC_ELEM(Table_JackpotTaskReward, GetNumbyIndex, ID_NUM2, 6, INT, 1),
        TC_ELEM(Table_JackpotTaskReward, GetRewardbyIndex, ID_REWARD3, 7, INT, 2),
        TC_ELEM(Table_JackpotTaskReward, GetNumbyIndex, ID_NUM3, 8, INT, 2),
        TC_ELEM(Table_JackpotTaskReward, GetRewardbyIndex, ID_REWARD4, 9, INT, 3),
        TC_ELEM(Table_JackpotTaskReward, GetNumbyIndex, ID_NUM4, 10, INT, 3),
    },
    {TC_COUNT(Table_JackpotTaskReward, getRewardCount, 4), TC_COUNT(Table_JackpotTaskReward, getNumCount, 4)},
    {0, 2, 4, 6, 8, 10, 3, 5, 7, 9}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_MonopolyActivity, 999, 1000>, Table_MonopolyActivity>::value,
              "record base");
const TableCheck::Spec<Table_MonopolyActivity> MONOPOLY_ACTIVITY = {
    TC_FUNCS(MonopolyActivity), true, 999, 1000, 12,
    {
        TC_COL(Table_MonopolyActivity, GetId, ID_ID, 0, INT),
        TC_COL(Table_MonopolyActivity, GetActivityName, ID_ACTIVITYNAME, 2, STRING),
        TC_COL(Table_MonopolyActivity, GetOpenTime, ID_OPENTIME, 3, STRING),
        TC_COL(Table_MonopolyActivity, GetCloseTime, ID_CLOSETIME, 4, STRING),
        TC_COL(Table_MonopolyActivity, GetCostItem, ID_COSTITEM, 5, INT),
        TC_COL(Table_MonopolyActivity, GetCostNum, ID_COSTNUM, 6, INT),
        TC_COL(Table_MonopolyActivity, GetGridNum, ID_GRIDNUM, 7, INT),
        TC_COL(Table_MonopolyActivity, GetMaxStorey, ID_MAXSTOREY, 8, INT),
        TC_COL(Table_MonopolyActivity, GetTaskID, ID_TASKID, 9, STRING),
        TC_COL(Table_MonopolyActivity, GetBroadcaseReward, ID_BROADCASEREWARD, 10, STRING),
        TC_COL(Table_MonopolyActivity, GetBroadcase, ID_BROADCASE, 11, INT),
    },
    {},
    {2, 11, 10, 4, 5, 6, 7, 0, 8, 3, 9}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_MonopolyPool, 10000, 10000>, Table_MonopolyPool>::value,
              "record base");
const TableCheck::Spec<Table_MonopolyPool> MONOPOLY_POOL = {
    TC_FUNCS(MonopolyPool), true, 10000, 10000, 7,
    {
        TC_COL(Table_MonopolyPool, GetId, ID_ID, 0, INT),
        TC_COL(Table_MonopolyPool, GetRewardID, ID_REWARDID, 2, INT),
        TC_COL(Table_MonopolyPool, GetRewardIcon, ID_REWARDICON, 3, STRING),
        TC_COL(Table_MonopolyPool, GetRewardNum, ID_REWARDNUM, 4, INT),
        TC_COL(Table_MonopolyPool, GetQuality, ID_QUALITY, 5, INT),
        TC_COL(Table_MonopolyPool, GetIsPacket, ID_ISPACKET, 6, INT),
    },
    {},
    {0, 6, 5, 2, 3, 4}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_MonopolyStoreyReward, 9999, 10000>, Table_MonopolyStoreyReward>::value,
              "record base");
const TableCheck::Spec<Table_MonopolyStoreyReward> MONOPOLY_STOREY_REWARD = {
    TC_FUNCS(MonopolyStoreyReward), true, 9999, 10000, 11,
    {
        TC_COL(Table_MonopolyStoreyReward, GetId, ID_ID, 0, INT),
        TC_COL(Table_MonopolyStoreyReward, GetStoreyNum, ID_STOREYNUM, 2, INT),
        TC_ELEM(Table_MonopolyStoreyReward, GetRewardbyIndex, ID_REWARD1, 3, INT, 0),
        TC_ELEM(Table_MonopolyStoreyReward, GetNumbyIndex, ID_NUM1, 4, INT, 0),
        TC_ELEM(Table_MonopolyStoreyReward, GetRewardbyIndex, ID_REWARD2, 5, INT, 1),
        TC_ELEM(Table_MonopolyStoreyReward, GetNumbyIndex, ID_NUM2, 6, INT, 1),
        TC_ELEM(Table_MonopolyStoreyReward, GetRewardbyIndex, ID_REWARD3, 7, INT, 2),
        TC_ELEM(Table_MonopolyStoreyReward, GetNumbyIndex, ID_NUM3, 8, INT, 2),
        TC_ELEM(Table_MonopolyStoreyReward, GetRewardbyIndex, ID_REWARD4, 9, INT, 3),
        TC_ELEM(Table_MonopolyStoreyReward, GetNumbyIndex, ID_NUM4, 10, INT, 3),
    },
    {TC_COUNT(Table_MonopolyStoreyReward, getRewardCount, 4), TC_COUNT(Table_MonopolyStoreyReward, getNumCount, 4)},
    {0, 4, 6, 8, 10, 3, 5, 7, 9, 2}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_TreasureIsland, 512, 512>, Table_TreasureIsland>::value,
              "record base");
const TableCheck::Spec<Table_TreasureIsland> TREASURE_ISLAND = {
    TC_FUNCS(TreasureIsland), true, 512, 512, 10,
    {
        TC_COL(Table_TreasureIsland, GetId, ID_ID, 0, INT),
        TC_COL(Table_TreasureIsland, GetType, ID_TYPE, 2, INT),
        TC_COL(Table_TreasureIsland, GetPositionX, ID_POSITIONX, 3, INT),
        TC_COL(Table_TreasureIsland, GetPositionY, ID_POSITIONY, 4, INT),
        TC_COL(Table_TreasureIsland, GetRewards, ID_REWARDS, 5, STRING),
        TC_COL(Table_TreasureIsland, GetWeight, ID_WEIGHT, 6, STRING),
        TC_COL(Table_TreasureIsland, GetCostItemId, ID_COSTITEMID, 7, INT),
        TC_COL(Table_TreasureIsland, GetCost, ID_COST, 8, INT),
        TC_COL(Table_TreasureIsland, GetBombHurtNum, ID_BOMBHURTNUM, 9, INT),
    },
    {},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_TreasureIslandReward, 512, 512>, Table_TreasureIslandReward>::value,
              "record base");
const TableCheck::Spec<Table_TreasureIslandReward> TREASURE_ISLAND_REWARD = {
    TC_FUNCS(TreasureIslandReward), true, 512, 512, 5,
    {
        TC_COL(Table_TreasureIslandReward, GetId, ID_ID, 0, INT),
        TC_COL(Table_TreasureIslandReward, GetType, ID_TYPE, 2, INT),
        TC_COL(Table_TreasureIslandReward, GetItemId, ID_ITEMID, 3, INT),
        TC_COL(Table_TreasureIslandReward, GetItemCount, ID_ITEMCOUNT, 4, INT),
    },
    {},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_TreasureIslandTime, 999, 1000>, Table_TreasureIslandTime>::value,
              "record base");
const TableCheck::Spec<Table_TreasureIslandTime> TREASURE_ISLAND_TIME = {
    TC_FUNCS(TreasureIslandTime), true, 999, 1000, 16,
    {
        TC_COL(Table_TreasureIslandTime, GetId, ID_ID, 0, INT),
        TC_COL(Table_TreasureIslandTime, GetStartTime, ID_STARTTIME, 2, STRING),
        TC_COL(Table_TreasureIslandTime, GetFinishTime, ID_FINISHTIME, 3, STRING),
        TC_COL(Table_TreasureIslandTime, GetCostItemId, ID_COSTITEMID, 4, INT),
        TC_COL(Table_TreasureIslandTime, GetSpecialItemId, ID_SPECIALITEMID, 5, INT),
        TC_COL(Table_TreasureIslandTime, GetChipId, ID_CHIPID, 6, INT),
        TC_COL(Table_TreasureIslandTime, GetChipRewardId, ID_CHIPREWARDID, 7, INT),
        TC_COL(Table_TreasureIslandTime, GetChipExchangeNum, ID_CHIPEXCHANGENUM, 8, INT),
        TC_COL(Table_TreasureIslandTime, GetIslandsNum, ID_ISLANDSNUM, 9, STRING),
        TC_ELEM(Table_TreasureIslandTime, GetNpcDialoguebyIndex, ID_NPCDIALOGUE1, 10, STRING, 0),
        TC_ELEM(Table_TreasureIslandTime, GetNpcDialoguebyIndex, ID_NPCDIALOGUE2, 11, STRING, 1),
        TC_ELEM(Table_TreasureIslandTime, GetNpcDialoguebyIndex, ID_NPCDIALOGUE3, 12, STRING, 2),
        TC_ELEM(Table_TreasureIslandTime, GetNpcDialoguebyIndex, ID_NPCDIALOGUE4, 13, STRING, 3),
        TC_COL(Table_TreasureIslandTime, GetBombIcon, ID_BOMBICON, 14, STRING),
        TC_COL(Table_TreasureIslandTime, GetBroadcastID, ID_BROADCASTID, 15, INT),
    },
    {TC_COUNT(Table_TreasureIslandTime, getNpcDialogueCount, 4)},
    {}};

TEST(AwardTables, LoginCardAndWheelAward)
{
    TableCheck::CheckTable(BOON_CARD);
    TableCheck::CheckTable(LOG_IN_AWARD);
    TableCheck::CheckTable(LUCKY_WHEEL);
    TableCheck::CheckTable(QV_AWARD);
    TableCheck::CheckTable(SCRAPING_CARD);
}

TEST(AwardTables, Lottery)
{
    TableCheck::CheckTable(LOTTERY_TICKET_AWARD);
    TableCheck::CheckTable(LOTTERY_TICKET_AWARD_WEIGHT);
    TableCheck::CheckTable(NEW_LOTTERY_TICKET);
    TableCheck::CheckTable(NEW_LOTTERY_TICKET_REWARD);
}

TEST(AwardTables, Jackpot)
{
    TableCheck::CheckTable(JACKPOT_ACTIVITY);
    TableCheck::CheckTable(JACKPOT_POOL);
    TableCheck::CheckTable(JACKPOT_TASK_REWARD);
}

TEST(AwardTables, BoardWalk)
{
    TableCheck::CheckTable(MONOPOLY_ACTIVITY);
    TableCheck::CheckTable(MONOPOLY_POOL);
    TableCheck::CheckTable(MONOPOLY_STOREY_REWARD);
}

TEST(AwardTables, TreasureIsland)
{
    TableCheck::CheckTable(TREASURE_ISLAND);
    TableCheck::CheckTable(TREASURE_ISLAND_REWARD);
    TableCheck::CheckTable(TREASURE_ISLAND_TIME);
}

}   // namespace
