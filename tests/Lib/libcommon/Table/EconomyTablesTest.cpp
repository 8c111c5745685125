// Shop, payment, reward, drop-bag, regulation and rate tables: each module against its column list.

#include "EconomyTaskTableCheck.h"

#include "Table_BonusReturnRegulationRate.h"
#include "Table_DailyBox.h"
#include "Table_Discount.h"
#include "Table_DropBag.h"
#include "Table_FirstPayAward.h"
#include "Table_NewPlayerRate.h"
#include "Table_PersonalIncomeRegulationRate.h"
#include "Table_RateDiamondConfig.h"
#include "Table_RateEquipConfig.h"
#include "Table_RateItemConfig.h"
#include "Table_RateQiukaConfig.h"
#include "Table_Recharge.h"
#include "Table_Reward.h"
#include "Table_RewardGroupValue.h"
#include "Table_Shop.h"
#include "Table_StageRate.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace
{
static_assert(std::is_base_of<DBC_Recorder_Loader<Table_Discount, 999, 1000>, Table_Discount>::value, "record base");
const TableCheck::Spec<Table_Discount> DISCOUNT = {
    TC_FUNCS(Discount), true, 999, 1000, 5,
    {
        TC_COL(Table_Discount, GetId, ID_ID, 0, INT),
        TC_COL(Table_Discount, GetRate, ID_RATE, 2, STRING),
        TC_COL(Table_Discount, GetWeight, ID_WEIGHT, 3, STRING),
        TC_COL(Table_Discount, GetLimitDay, ID_LIMITDAY, 4, STRING),
    },
    {},
    {0, 4, 2, 3}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_FirstPayAward, 9999, 10000>, Table_FirstPayAward>::value,
              "record base");
const TableCheck::Spec<Table_FirstPayAward> FIRST_PAY_AWARD = {
    TC_FUNCS(FirstPayAward), false, 9999, 10000, 5,
    {
        TC_COL(Table_FirstPayAward, GetId, ID_ID, 0, INT),
        TC_COL(Table_FirstPayAward, GetSex, ID_SEX, 2, INT),
        TC_COL(Table_FirstPayAward, GetItemId, ID_ITEMID, 3, STRING),
        TC_COL(Table_FirstPayAward, GetItemNum, ID_ITEMNUM, 4, STRING),
    },
    {},
    {0, 3, 4, 2}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_Recharge, 99999, 100000>, Table_Recharge>::value,
              "record base");
const TableCheck::Spec<Table_Recharge> RECHARGE = {
    TC_FUNCS(Recharge), false, 99999, 100000, 15,
    {
        TC_COL(Table_Recharge, GetId, ID_ID, 0, INT),
        TC_COL(Table_Recharge, GetName, ID_NAME, 2, INT),
        TC_COL(Table_Recharge, GetDesID, ID_DESID, 3, INT),
        TC_COL(Table_Recharge, GetGOODSID, ID_GOODSID, 4, INT),
        TC_COL(Table_Recharge, GetItem, ID_ITEM, 5, STRING),
        TC_COL(Table_Recharge, GetShowMoney, ID_SHOWMONEY, 6, STRING),
        TC_COL(Table_Recharge, GetQVNum, ID_QVNUM, 7, INT),
        TC_COL(Table_Recharge, GetDropID, ID_DROPID, 8, INT),
        TC_COL(Table_Recharge, GetBackGroundPath, ID_BACKGROUNDPATH, 9, STRING),
        TC_COL(Table_Recharge, GetIconPath, ID_ICONPATH, 10, STRING),
        TC_COL(Table_Recharge, GetSkewPath, ID_SKEWPATH, 11, STRING),
        TC_COL(Table_Recharge, GetSkewTextId, ID_SKEWTEXTID, 12, INT),
        TC_COL(Table_Recharge, GetExtraTextId, ID_EXTRATEXTID, 13, INT),
        TC_COL(Table_Recharge, GetPlusSign, ID_PLUSSIGN, 14, INT),
    },
    {},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_Shop, 9999, 1000>, Table_Shop>::value, "record base");
const TableCheck::Spec<Table_Shop> SHOP = {
    TC_FUNCS(Shop), true, 9999, 1000, 27,
    {
        TC_COL(Table_Shop, GetId, ID_ID, 0, INT),
        TC_COL(Table_Shop, GetName, ID_NAME, 2, INT),
        TC_COL(Table_Shop, GetDesID, ID_DESID, 3, INT),
        TC_COL(Table_Shop, GetIconPath, ID_ICONPATH, 4, STRING),
        TC_COL(Table_Shop, GetList, ID_LIST, 5, INT),
        TC_COL(Table_Shop, GetItem, ID_ITEM, 6, INT),
        TC_COL(Table_Shop, GetItemNum, ID_ITEMNUM, 7, INT),
        TC_COL(Table_Shop, GetCurrency, ID_CURRENCY, 8, INT),
        TC_COL(Table_Shop, GetExpendItem, ID_EXPENDITEM, 9, INT),
        TC_COL(Table_Shop, GetPrice, ID_PRICE, 10, INT),
        TC_COL(Table_Shop, GetDiscount, ID_DISCOUNT, 11, INT),
        TC_COL(Table_Shop, GetDiscountBegin, ID_DISCOUNTBEGIN, 12, INT),
        TC_COL(Table_Shop, GetDiscountEnd, ID_DISCOUNTEND, 13, INT),
        TC_COL(Table_Shop, GetStockCount, ID_STOCKCOUNT, 14, INT),
        TC_COL(Table_Shop, GetStockCycle, ID_STOCKCYCLE, 15, INT),
        TC_COL(Table_Shop, GetSex, ID_SEX, 16, INT),
        TC_COL(Table_Shop, GetType, ID_TYPE, 17, INT),
        TC_COL(Table_Shop, GetRealShop, ID_REALSHOP, 18, INT),
        TC_COL(Table_Shop, GetRechargeTxT, ID_RECHARGETXT, 19, INT),
        TC_COL(Table_Shop, GetRechargeID, ID_RECHARGEID, 20, STRING),
        TC_COL(Table_Shop, GetBatch, ID_BATCH, 21, INT),
        TC_COL(Table_Shop, GetRechargebagID, ID_RECHARGEBAGID, 22, INT),
        TC_COL(Table_Shop, GetQVmpID, ID_QVMPID, 23, INT),
        TC_COL(Table_Shop, GetDiscountId, ID_DISCOUNTID, 24, INT),
        TC_COL(Table_Shop, GetOpenTime, ID_OPENTIME, 25, STRING),
        TC_COL(Table_Shop, GetCloseTime, ID_CLOSETIME, 26, STRING),
    },
    {},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_DailyBox, 1999, 2000>, Table_DailyBox>::value, "record base");
const TableCheck::Spec<Table_DailyBox> DAILY_BOX = {
    TC_FUNCS(DailyBox), true, 1999, 2000, 5,
    {
        TC_COL(Table_DailyBox, GetId, ID_ID, 0, INT),
        TC_COL(Table_DailyBox, GetItem, ID_ITEM, 2, STRING),
        TC_COL(Table_DailyBox, GetCount, ID_COUNT, 3, STRING),
        TC_COL(Table_DailyBox, GetWeight, ID_WEIGHT, 4, INT),
    },
    {},
    {3, 0, 2, 4}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_DropBag, 8191, 8192>, Table_DropBag>::value, "record base");
const TableCheck::Spec<Table_DropBag> DROP_BAG = {
    TC_FUNCS(DropBag), true, 8191, 8192, 49,
    {
        TC_COL(Table_DropBag, GetId, ID_ID, 0, INT),
        TC_COL(Table_DropBag, GetKind, ID_KIND, 2, INT),
        TC_ELEM(Table_DropBag, GetBagbyIndex, ID_BAG1, 3, STRING, 0),
        TC_ELEM(Table_DropBag, GetMinNumbyIndex, ID_MINNUM1, 4, INT, 0),
        TC_ELEM(Table_DropBag, GetMaxNumbyIndex, ID_MAXNUM1, 5, INT, 0),
        TC_ELEM(Table_DropBag, GetBagbyIndex, ID_BAG2, 6, STRING, 1),
        TC_ELEM(Table_DropBag, GetMinNumbyIndex, ID_MINNUM2, 7, INT, 1),
        TC_ELEM(Table_DropBag, GetMaxNumbyIndex, ID_MAXNUM2, 8, INT, 1),
        TC_ELEM(Table_DropBag, GetBagbyIndex, ID_BAG3, 9, STRING, 2),
        TC_ELEM(Table_DropBag, GetMinNumbyIndex, ID_MINNUM3, 10, INT, 2),
        TC_ELEM(Table_DropBag, GetMaxNumbyIndex, ID_MAXNUM3, 11, INT, 2),
        TC_ELEM(Table_DropBag, GetBagbyIndex, ID_BAG4, 12, STRING, 3),
        TC_ELEM(Table_DropBag, GetMinNumbyIndex, ID_MINNUM4, 13, INT, 3),
        TC_ELEM(Table_DropBag, GetMaxNumbyIndex, ID_MAXNUM4, 14, INT, 3),
        TC_ELEM(Table_DropBag, GetBagbyIndex, ID_BAG5, 15, STRING, 4),
        TC_ELEM(Table_DropBag, GetMinNumbyIndex, ID_MINNUM5, 16, INT, 4),
        TC_ELEM(Table_DropBag, GetMaxNumbyIndex, ID_MAXNUM5, 17, INT, 4),
        TC_ELEM(Table_DropBag, GetBagbyIndex, ID_BAG6, 18, STRING, 5),
        TC_ELEM(Table_DropBag, GetMinNumbyIndex, ID_MINNUM6, 19, INT, 5),
        TC_ELEM(Table_DropBag, GetMaxNumbyIndex, ID_MAXNUM6, 20, INT, 5),
        TC_ELEM(Table_DropBag, GetBagbyIndex, ID_BAG7, 21, STRING, 6),
        TC_ELEM(Table_DropBag, GetMinNumbyIndex, ID_MINNUM7, 22, INT, 6),
        TC_ELEM(Table_DropBag, GetMaxNumbyIndex, ID_MAXNUM7, 23, INT, 6),
        TC_ELEM(Table_DropBag, GetBagbyIndex, ID_BAG8, 24, STRING, 7),
        TC_ELEM(Table_DropBag, GetMinNumbyIndex, ID_MINNUM8, 25, INT, 7),
        TC_ELEM(Table_DropBag, GetMaxNumbyIndex, ID_MAXNUM8, 26, INT, 7),
        TC_ELEM(Table_DropBag, GetBagbyIndex, ID_BAG9, 27, STRING, 8),
        TC_ELEM(Table_DropBag, GetMinNumbyIndex, ID_MINNUM9, 28, INT, 8),
        TC_ELEM(Table_DropBag, GetMaxNumbyIndex, ID_MAXNUM9, 29, INT, 8),
        TC_ELEM(Table_DropBag, GetBagbyIndex, ID_BAG10, 30, STRING, 9),
        TC_ELEM(Table_DropBag, GetMinNumbyIndex, ID_MINNUM10, 31, INT, 9),
        TC_ELEM(Table_DropBag, GetMaxNumbyIndex, ID_MAXNUM10, 32, INT, 9),
        TC_ELEM(Table_DropBag, GetBagbyIndex, ID_BAG11, 33, STRING, 10),
        TC_ELEM(Table_DropBag, GetMinNumbyIndex, ID_MINNUM11, 34, INT, 10),
        TC_ELEM(Table_DropBag, GetMaxNumbyIndex, ID_MAXNUM11, 35, INT, 10),
        TC_ELEM(Table_DropBag, GetBagbyIndex, ID_BAG12, 36, STRING, 11),
        TC_ELEM(Table_DropBag, GetMinNumbyIndex, ID_MINNUM12, 37, INT, 11),
        TC_ELEM(Table_DropBag, GetMaxNumbyIndex, ID_MAXNUM12, 38, INT, 11),
        TC_ELEM(Table_DropBag, GetBagbyIndex, ID_BAG13, 39, STRING, 12),
        TC_ELEM(Table_DropBag, GetMinNumbyIndex, ID_MINNUM13, 40, INT, 12),
        TC_ELEM(Table_DropBag, GetMaxNumbyIndex, ID_MAXNUM13, 41, INT, 12),
        TC_ELEM(Table_DropBag, GetBagbyIndex, ID_BAG14, 42, STRING, 13),
        TC_ELEM(Table_DropBag, GetMinNumbyIndex, ID_MINNUM14, 43, INT, 13),
        TC_ELEM(Table_DropBag, GetMaxNumbyIndex, ID_MAXNUM14, 44, INT, 13),
        TC_ELEM(Table_DropBag, GetBagbyIndex, ID_BAG15, 45, STRING, 14),
        TC_ELEM(Table_DropBag, GetMinNumbyIndex, ID_MINNUM15, 46, INT, 14),
        TC_ELEM(Table_DropBag, GetMaxNumbyIndex, ID_MAXNUM15, 47, INT, 14),
        TC_COL(Table_DropBag, GetWheelID, ID_WHEELID, 48, INT),
    },
    {TC_COUNT(Table_DropBag, getBagCount, 15), TC_COUNT(Table_DropBag, getMinNumCount, 15),
     TC_COUNT(Table_DropBag, getMaxNumCount, 15)},
    // The bags, then Id, Kind and WheelID, then the maximum and the minimum numbers.
    {3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36, 39, 42, 45,
     0, 2, 48,
     5, 8, 11, 14, 17, 20, 23, 26, 29, 32, 35, 38, 41, 44, 47,
     4, 7, 10, 13, 16, 19, 22, 25, 28, 31, 34, 37, 40, 43, 46}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_Reward, 8191, 8192>, Table_Reward>::value, "record base");
const TableCheck::Spec<Table_Reward> REWARD = {
    TC_FUNCS(Reward), true, 8191, 8192, 14,
    {
        TC_COL(Table_Reward, GetId, ID_ID, 0, INT),
        TC_COL(Table_Reward, GetItemId, ID_ITEMID, 2, INT),
        TC_COL(Table_Reward, GetNum, ID_NUM, 3, INT),
        TC_COL(Table_Reward, GetNumMin, ID_NUMMIN, 4, INT),
        TC_COL(Table_Reward, GetNumMax, ID_NUMMAX, 5, INT),
        TC_COL(Table_Reward, GetProbability, ID_PROBABILITY, 6, INT),
        TC_ELEM(Table_Reward, GetControlProbabilitybyIndex, ID_CONTROLPROBABILITY1, 7, INT, 0),
        TC_ELEM(Table_Reward, GetControlProbabilitybyIndex, ID_CONTROLPROBABILITY2, 8, INT, 1),
        TC_ELEM(Table_Reward, GetControlProbabilitybyIndex, ID_CONTROLPROBABILITY3, 9, INT, 2),
        TC_ELEM(Table_Reward, GetControlProbabilitybyIndex, ID_CONTROLPROBABILITY4, 10, INT, 3),
        TC_COL(Table_Reward, GetQiukaAdjustID, ID_QIUKAADJUSTID, 11, INT),
        TC_COL(Table_Reward, GetWheelType, ID_WHEELTYPE, 12, INT),
        TC_COL(Table_Reward, GetTimes, ID_TIMES, 13, INT),
    },
    {TC_COUNT(Table_Reward, getControlProbabilityCount, 4)},
    {7, 8, 9, 10, 0, 2, 3, 5, 4, 6, 11, 13, 12}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_RewardGroupValue, 50, 50>, Table_RewardGroupValue>::value,
              "record base");
const TableCheck::Spec<Table_RewardGroupValue> REWARD_GROUP_VALUE = {
    TC_FUNCS(RewardGroupValue), true, 50, 50, 6,
    {
        TC_COL(Table_RewardGroupValue, GetId, ID_ID, 0, INT),
        TC_ELEM(Table_RewardGroupValue, GetValuebyIndex, ID_VALUE1, 2, INT, 0),
        TC_ELEM(Table_RewardGroupValue, GetValuebyIndex, ID_VALUE2, 3, INT, 1),
        TC_ELEM(Table_RewardGroupValue, GetValuebyIndex, ID_VALUE3, 4, INT, 2),
        TC_ELEM(Table_RewardGroupValue, GetValuebyIndex, ID_VALUE4, 5, INT, 3),
    },
    {TC_COUNT(Table_RewardGroupValue, getValueCount, 4)},
    {0, 2, 3, 4, 5}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_BonusReturnRegulationRate, 999, 1000>, Table_BonusReturnRegulationRate>::value,
              "record base");
const TableCheck::Spec<Table_BonusReturnRegulationRate> BONUS_RETURN_REGULATION_RATE = {
    TC_FUNCS(BonusReturnRegulationRate), false, 999, 1000, 10,
    {
        TC_COL(Table_BonusReturnRegulationRate, GetID, ID_ID, 0, INT),
        TC_COL(Table_BonusReturnRegulationRate, GetRoomType, ID_ROOMTYPE, 2, STRING),
        TC_COL(Table_BonusReturnRegulationRate, GetBonusCondition, ID_BONUSCONDITION, 3, INT),
        TC_COL(Table_BonusReturnRegulationRate, GetBonusProportion, ID_BONUSPROPORTION, 4, INT),
        TC_COL(Table_BonusReturnRegulationRate, GetBonusCoefficient, ID_BONUSCOEFFICIENT, 5, INT),
        TC_COL(Table_BonusReturnRegulationRate, GetBalanceLimit, ID_BALANCELIMIT, 6, STRING),
        TC_COL(Table_BonusReturnRegulationRate, GetBalanceCoefficient, ID_BALANCECOEFFICIENT, 7, STRING),
        TC_COL(Table_BonusReturnRegulationRate, GetSecureScore, ID_SECURESCORE, 8, STRING),
        TC_COL(Table_BonusReturnRegulationRate, GetSecurityCoefficient, ID_SECURITYCOEFFICIENT, 9, STRING),
    },
    {},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_PersonalIncomeRegulationRate, 99, 100>, Table_PersonalIncomeRegulationRate>::value,
              "record base");
const TableCheck::Spec<Table_PersonalIncomeRegulationRate> PERSONAL_INCOME_REGULATION_RATE = {
    TC_FUNCS(PersonalIncomeRegulationRate), false, 99, 100, 6,
    {
        TC_COL(Table_PersonalIncomeRegulationRate, GetID, ID_ID, 0, INT),
        TC_COL(Table_PersonalIncomeRegulationRate, GetMatchId, ID_MATCHID, 2, INT),
        TC_COL(Table_PersonalIncomeRegulationRate, GetAttackNumbers, ID_ATTACKNUMBERS, 3, INT),
        TC_COL(Table_PersonalIncomeRegulationRate, GetOffsetCondition, ID_OFFSETCONDITION, 4, STRING),
        TC_COL(Table_PersonalIncomeRegulationRate, GetAdjustmentCoefficient, ID_ADJUSTMENTCOEFFICIENT, 5, STRING),
    },
    {},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_NewPlayerRate, 500, 500>, Table_NewPlayerRate>::value,
              "record base");
const TableCheck::Spec<Table_NewPlayerRate> NEW_PLAYER_RATE = {
    TC_FUNCS(NewPlayerRate), true, 500, 500, 5,
    {
        TC_COL(Table_NewPlayerRate, GetId, ID_ID, 0, INT),
        TC_COL(Table_NewPlayerRate, GetMatchTblId, ID_MATCHTBLID, 2, INT),
        TC_COL(Table_NewPlayerRate, GetLevelStage, ID_LEVELSTAGE, 3, STRING),
        TC_COL(Table_NewPlayerRate, GetRate, ID_RATE, 4, INT),
    },
    {},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_StageRate, 500, 500>, Table_StageRate>::value, "record base");
const TableCheck::Spec<Table_StageRate> STAGE_RATE = {
    TC_FUNCS(StageRate), true, 500, 500, 5,
    {
        TC_COL(Table_StageRate, GetId, ID_ID, 0, INT),
        TC_COL(Table_StageRate, GetMatchTblId, ID_MATCHTBLID, 2, INT),
        TC_COL(Table_StageRate, GetDailyAcc, ID_DAILYACC, 3, STRING),
        TC_COL(Table_StageRate, GetRate, ID_RATE, 4, INT),
    },
    {},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_RateDiamondConfig, 50000, 50000>, Table_RateDiamondConfig>::value,
              "record base");
const TableCheck::Spec<Table_RateDiamondConfig> RATE_DIAMOND_CONFIG = {
    TC_FUNCS(RateDiamondConfig), true, 50000, 50000, 4,
    {
        TC_COL(Table_RateDiamondConfig, GetId, ID_ID, 0, INT),
        TC_ELEM(Table_RateDiamondConfig, GetDiamondParambyIndex, ID_DIAMONDPARAM1, 2, FLOAT, 0),
        TC_ELEM(Table_RateDiamondConfig, GetDiamondParambyIndex, ID_DIAMONDPARAM2, 3, FLOAT, 1),
    },
    {TC_COUNT(Table_RateDiamondConfig, getDiamondParamCount, 2)},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_RateEquipConfig, 50000, 50000>, Table_RateEquipConfig>::value,
              "record base");
const TableCheck::Spec<Table_RateEquipConfig> RATE_EQUIP_CONFIG = {
    TC_FUNCS(RateEquipConfig), true, 50000, 50000, 4,
    {
        TC_COL(Table_RateEquipConfig, GetId, ID_ID, 0, INT),
        TC_COL(Table_RateEquipConfig, GetEquipDropCount, ID_EQUIPDROPCOUNT, 2, STRING),
        TC_COL(Table_RateEquipConfig, GetEquipParam, ID_EQUIPPARAM, 3, STRING),
    },
    {},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_RateItemConfig, 50000, 50000>, Table_RateItemConfig>::value,
              "record base");
const TableCheck::Spec<Table_RateItemConfig> RATE_ITEM_CONFIG = {
    TC_FUNCS(RateItemConfig), true, 50000, 50000, 6,
    {
        TC_COL(Table_RateItemConfig, GetId, ID_ID, 0, INT),
        TC_COL(Table_RateItemConfig, GetMatchID, ID_MATCHID, 2, INT),
        TC_COL(Table_RateItemConfig, GetItemID, ID_ITEMID, 3, INT),
        TC_ELEM(Table_RateItemConfig, GetItemParambyIndex, ID_ITEMPARAM1, 4, FLOAT, 0),
        TC_ELEM(Table_RateItemConfig, GetItemParambyIndex, ID_ITEMPARAM2, 5, FLOAT, 1),
    },
    {TC_COUNT(Table_RateItemConfig, getItemParamCount, 2)},
    {}};

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_RateQiukaConfig, 50000, 50000>, Table_RateQiukaConfig>::value,
              "record base");
const TableCheck::Spec<Table_RateQiukaConfig> RATE_QIUKA_CONFIG = {
    TC_FUNCS(RateQiukaConfig), true, 50000, 50000, 4,
    {
        TC_COL(Table_RateQiukaConfig, GetId, ID_ID, 0, INT),
        TC_COL(Table_RateQiukaConfig, GetDropCount, ID_DROPCOUNT, 2, INT),
        TC_COL(Table_RateQiukaConfig, GetParm, ID_PARM, 3, FLOAT),
    },
    {},
    {}};

TEST(EconomyTables, ShopRechargeDiscountAndFirstPayment)
{
    TableCheck::CheckTable(DISCOUNT);
    TableCheck::CheckTable(FIRST_PAY_AWARD);
    TableCheck::CheckTable(RECHARGE);
    TableCheck::CheckTable(SHOP);
}

TEST(EconomyTables, RewardAndDropBag)
{
    TableCheck::CheckTable(DAILY_BOX);
    TableCheck::CheckTable(DROP_BAG);
    TableCheck::CheckTable(REWARD);
    TableCheck::CheckTable(REWARD_GROUP_VALUE);
}

TEST(EconomyTables, RegulationRate)
{
    TableCheck::CheckTable(BONUS_RETURN_REGULATION_RATE);
    TableCheck::CheckTable(PERSONAL_INCOME_REGULATION_RATE);
}

TEST(EconomyTables, NewPlayerAndStageRate)
{
    TableCheck::CheckTable(NEW_PLAYER_RATE);
    TableCheck::CheckTable(STAGE_RATE);
}

TEST(EconomyTables, RateConfiguration)
{
    TableCheck::CheckTable(RATE_DIAMOND_CONFIG);
    TableCheck::CheckTable(RATE_EQUIP_CONFIG);
    TableCheck::CheckTable(RATE_ITEM_CONFIG);
    TableCheck::CheckTable(RATE_QIUKA_CONFIG);
}

}   // namespace
