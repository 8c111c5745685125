// Shop, payment, reward, drop-bag, regulation and rate tables: each module against its column list.

#include "GameTableCheck.h"

#include "DBCTestUtil.h"
#include "TempWorkDir.h"

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

#include <string>
#include <type_traits>

namespace
{
static_assert(std::is_base_of<DBC_Recorder_Loader<Table_Discount, 999, 1000>, Table_Discount>::value, "record base");
GameTableCheck::Expected DiscountCase()
{
    typedef Table_Discount T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(Discount), GameTableCheck::HASH, 999, 1000, 5, {}, {}, {}};
    e.declOrder = {0, 4, 2, 3};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_RATE, 2, STRING, GetRate()),
        GTC_COL(ID_WEIGHT, 3, STRING, GetWeight()),
        GTC_COL(ID_LIMITDAY, 4, STRING, GetLimitDay()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_FirstPayAward, 9999, 10000>, Table_FirstPayAward>::value,
              "record base");
GameTableCheck::Expected FirstPayAwardCase()
{
    typedef Table_FirstPayAward T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(FirstPayAward), GameTableCheck::SEQUENCE, 9999, 10000, 5, {}, {}, {}};
    e.declOrder = {0, 3, 4, 2};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_SEX, 2, INT, GetSex()),
        GTC_COL(ID_ITEMID, 3, STRING, GetItemId()),
        GTC_COL(ID_ITEMNUM, 4, STRING, GetItemNum()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_Recharge, 99999, 100000>, Table_Recharge>::value,
              "record base");
GameTableCheck::Expected RechargeCase()
{
    typedef Table_Recharge T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(Recharge), GameTableCheck::SEQUENCE, 99999, 100000, 15, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_NAME, 2, INT, GetName()),
        GTC_COL(ID_DESID, 3, INT, GetDesID()),
        GTC_COL(ID_GOODSID, 4, INT, GetGOODSID()),
        GTC_COL(ID_ITEM, 5, STRING, GetItem()),
        GTC_COL(ID_SHOWMONEY, 6, STRING, GetShowMoney()),
        GTC_COL(ID_QVNUM, 7, INT, GetQVNum()),
        GTC_COL(ID_DROPID, 8, INT, GetDropID()),
        GTC_COL(ID_BACKGROUNDPATH, 9, STRING, GetBackGroundPath()),
        GTC_COL(ID_ICONPATH, 10, STRING, GetIconPath()),
        GTC_COL(ID_SKEWPATH, 11, STRING, GetSkewPath()),
        GTC_COL(ID_SKEWTEXTID, 12, INT, GetSkewTextId()),
        GTC_COL(ID_EXTRATEXTID, 13, INT, GetExtraTextId()),
        GTC_COL(ID_PLUSSIGN, 14, INT, GetPlusSign()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_Shop, 9999, 1000>, Table_Shop>::value, "record base");
GameTableCheck::Expected ShopCase()
{
    typedef Table_Shop T;
    GameTableCheck::Expected e = {GTC_FUNCS(Shop), GameTableCheck::HASH, 9999, 1000, 27, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_NAME, 2, INT, GetName()),
        GTC_COL(ID_DESID, 3, INT, GetDesID()),
        GTC_COL(ID_ICONPATH, 4, STRING, GetIconPath()),
        GTC_COL(ID_LIST, 5, INT, GetList()),
        GTC_COL(ID_ITEM, 6, INT, GetItem()),
        GTC_COL(ID_ITEMNUM, 7, INT, GetItemNum()),
        GTC_COL(ID_CURRENCY, 8, INT, GetCurrency()),
        GTC_COL(ID_EXPENDITEM, 9, INT, GetExpendItem()),
        GTC_COL(ID_PRICE, 10, INT, GetPrice()),
        GTC_COL(ID_DISCOUNT, 11, INT, GetDiscount()),
        GTC_COL(ID_DISCOUNTBEGIN, 12, INT, GetDiscountBegin()),
        GTC_COL(ID_DISCOUNTEND, 13, INT, GetDiscountEnd()),
        GTC_COL(ID_STOCKCOUNT, 14, INT, GetStockCount()),
        GTC_COL(ID_STOCKCYCLE, 15, INT, GetStockCycle()),
        GTC_COL(ID_SEX, 16, INT, GetSex()),
        GTC_COL(ID_TYPE, 17, INT, GetType()),
        GTC_COL(ID_REALSHOP, 18, INT, GetRealShop()),
        GTC_COL(ID_RECHARGETXT, 19, INT, GetRechargeTxT()),
        GTC_COL(ID_RECHARGEID, 20, STRING, GetRechargeID()),
        GTC_COL(ID_BATCH, 21, INT, GetBatch()),
        GTC_COL(ID_RECHARGEBAGID, 22, INT, GetRechargebagID()),
        GTC_COL(ID_QVMPID, 23, INT, GetQVmpID()),
        GTC_COL(ID_DISCOUNTID, 24, INT, GetDiscountId()),
        GTC_COL(ID_OPENTIME, 25, STRING, GetOpenTime()),
        GTC_COL(ID_CLOSETIME, 26, STRING, GetCloseTime()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_DailyBox, 1999, 2000>, Table_DailyBox>::value, "record base");
GameTableCheck::Expected DailyBoxCase()
{
    typedef Table_DailyBox T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(DailyBox), GameTableCheck::HASH, 1999, 2000, 5, {}, {}, {}};
    e.declOrder = {3, 0, 2, 4};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_ITEM, 2, STRING, GetItem()),
        GTC_COL(ID_COUNT, 3, STRING, GetCount()),
        GTC_COL(ID_WEIGHT, 4, INT, GetWeight()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_DropBag, 8191, 8192>, Table_DropBag>::value, "record base");
GameTableCheck::Expected DropBagCase()
{
    typedef Table_DropBag T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(DropBag), GameTableCheck::HASH, 8191, 8192, 49, {}, {}, {}};
    // The bags, then Id, Kind and WheelID, then the maximum and the minimum numbers.
    e.declOrder = {
        3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36, 39, 42, 45, 0, 2, 48, 5, 8, 11, 14, 17, 20, 23, 26, 29, 32, 35,
        38, 41, 44, 47, 4, 7, 10, 13, 16, 19, 22, 25, 28, 31, 34, 37, 40, 43, 46};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_KIND, 2, INT, GetKind()),
        GTC_COL(ID_BAG1, 3, STRING, GetBagbyIndex(0)),
        GTC_COL(ID_MINNUM1, 4, INT, GetMinNumbyIndex(0)),
        GTC_COL(ID_MAXNUM1, 5, INT, GetMaxNumbyIndex(0)),
        GTC_COL(ID_BAG2, 6, STRING, GetBagbyIndex(1)),
        GTC_COL(ID_MINNUM2, 7, INT, GetMinNumbyIndex(1)),
        GTC_COL(ID_MAXNUM2, 8, INT, GetMaxNumbyIndex(1)),
        GTC_COL(ID_BAG3, 9, STRING, GetBagbyIndex(2)),
        GTC_COL(ID_MINNUM3, 10, INT, GetMinNumbyIndex(2)),
        GTC_COL(ID_MAXNUM3, 11, INT, GetMaxNumbyIndex(2)),
        GTC_COL(ID_BAG4, 12, STRING, GetBagbyIndex(3)),
        GTC_COL(ID_MINNUM4, 13, INT, GetMinNumbyIndex(3)),
        GTC_COL(ID_MAXNUM4, 14, INT, GetMaxNumbyIndex(3)),
        GTC_COL(ID_BAG5, 15, STRING, GetBagbyIndex(4)),
        GTC_COL(ID_MINNUM5, 16, INT, GetMinNumbyIndex(4)),
        GTC_COL(ID_MAXNUM5, 17, INT, GetMaxNumbyIndex(4)),
        GTC_COL(ID_BAG6, 18, STRING, GetBagbyIndex(5)),
        GTC_COL(ID_MINNUM6, 19, INT, GetMinNumbyIndex(5)),
        GTC_COL(ID_MAXNUM6, 20, INT, GetMaxNumbyIndex(5)),
        GTC_COL(ID_BAG7, 21, STRING, GetBagbyIndex(6)),
        GTC_COL(ID_MINNUM7, 22, INT, GetMinNumbyIndex(6)),
        GTC_COL(ID_MAXNUM7, 23, INT, GetMaxNumbyIndex(6)),
        GTC_COL(ID_BAG8, 24, STRING, GetBagbyIndex(7)),
        GTC_COL(ID_MINNUM8, 25, INT, GetMinNumbyIndex(7)),
        GTC_COL(ID_MAXNUM8, 26, INT, GetMaxNumbyIndex(7)),
        GTC_COL(ID_BAG9, 27, STRING, GetBagbyIndex(8)),
        GTC_COL(ID_MINNUM9, 28, INT, GetMinNumbyIndex(8)),
        GTC_COL(ID_MAXNUM9, 29, INT, GetMaxNumbyIndex(8)),
        GTC_COL(ID_BAG10, 30, STRING, GetBagbyIndex(9)),
        GTC_COL(ID_MINNUM10, 31, INT, GetMinNumbyIndex(9)),
        GTC_COL(ID_MAXNUM10, 32, INT, GetMaxNumbyIndex(9)),
        GTC_COL(ID_BAG11, 33, STRING, GetBagbyIndex(10)),
        GTC_COL(ID_MINNUM11, 34, INT, GetMinNumbyIndex(10)),
        GTC_COL(ID_MAXNUM11, 35, INT, GetMaxNumbyIndex(10)),
        GTC_COL(ID_BAG12, 36, STRING, GetBagbyIndex(11)),
        GTC_COL(ID_MINNUM12, 37, INT, GetMinNumbyIndex(11)),
        GTC_COL(ID_MAXNUM12, 38, INT, GetMaxNumbyIndex(11)),
        GTC_COL(ID_BAG13, 39, STRING, GetBagbyIndex(12)),
        GTC_COL(ID_MINNUM13, 40, INT, GetMinNumbyIndex(12)),
        GTC_COL(ID_MAXNUM13, 41, INT, GetMaxNumbyIndex(12)),
        GTC_COL(ID_BAG14, 42, STRING, GetBagbyIndex(13)),
        GTC_COL(ID_MINNUM14, 43, INT, GetMinNumbyIndex(13)),
        GTC_COL(ID_MAXNUM14, 44, INT, GetMaxNumbyIndex(13)),
        GTC_COL(ID_BAG15, 45, STRING, GetBagbyIndex(14)),
        GTC_COL(ID_MINNUM15, 46, INT, GetMinNumbyIndex(14)),
        GTC_COL(ID_MAXNUM15, 47, INT, GetMaxNumbyIndex(14)),
        GTC_COL(ID_WHEELID, 48, INT, GetWheelID()),
    };
    e.counts = {GTC_COUNT(getBagCount, 15), GTC_COUNT(getMinNumCount, 15), GTC_COUNT(getMaxNumCount, 15)};
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_Reward, 8191, 8192>, Table_Reward>::value, "record base");
GameTableCheck::Expected RewardCase()
{
    typedef Table_Reward T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(Reward), GameTableCheck::HASH, 8191, 8192, 14, {}, {}, {}};
    e.declOrder = {7, 8, 9, 10, 0, 2, 3, 5, 4, 6, 11, 13, 12};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_ITEMID, 2, INT, GetItemId()),
        GTC_COL(ID_NUM, 3, INT, GetNum()),
        GTC_COL(ID_NUMMIN, 4, INT, GetNumMin()),
        GTC_COL(ID_NUMMAX, 5, INT, GetNumMax()),
        GTC_COL(ID_PROBABILITY, 6, INT, GetProbability()),
        GTC_COL(ID_CONTROLPROBABILITY1, 7, INT, GetControlProbabilitybyIndex(0)),
        GTC_COL(ID_CONTROLPROBABILITY2, 8, INT, GetControlProbabilitybyIndex(1)),
        GTC_COL(ID_CONTROLPROBABILITY3, 9, INT, GetControlProbabilitybyIndex(2)),
        GTC_COL(ID_CONTROLPROBABILITY4, 10, INT, GetControlProbabilitybyIndex(3)),
        GTC_COL(ID_QIUKAADJUSTID, 11, INT, GetQiukaAdjustID()),
        GTC_COL(ID_WHEELTYPE, 12, INT, GetWheelType()),
        GTC_COL(ID_TIMES, 13, INT, GetTimes()),
    };
    e.counts = {GTC_COUNT(getControlProbabilityCount, 4)};
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_RewardGroupValue, 50, 50>, Table_RewardGroupValue>::value,
              "record base");
GameTableCheck::Expected RewardGroupValueCase()
{
    typedef Table_RewardGroupValue T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(RewardGroupValue), GameTableCheck::HASH, 50, 50, 6, {}, {}, {}};
    e.declOrder = {0, 2, 3, 4, 5};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_VALUE1, 2, INT, GetValuebyIndex(0)),
        GTC_COL(ID_VALUE2, 3, INT, GetValuebyIndex(1)),
        GTC_COL(ID_VALUE3, 4, INT, GetValuebyIndex(2)),
        GTC_COL(ID_VALUE4, 5, INT, GetValuebyIndex(3)),
    };
    e.counts = {GTC_COUNT(getValueCount, 4)};
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_BonusReturnRegulationRate, 999, 1000>, Table_BonusReturnRegulationRate>::value,
              "record base");
GameTableCheck::Expected BonusReturnRegulationRateCase()
{
    typedef Table_BonusReturnRegulationRate T;
    GameTableCheck::Expected e = {GTC_FUNCS(BonusReturnRegulationRate),
        GameTableCheck::SEQUENCE, 999, 1000, 10, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetID()),
        GTC_COL(ID_ROOMTYPE, 2, STRING, GetRoomType()),
        GTC_COL(ID_BONUSCONDITION, 3, INT, GetBonusCondition()),
        GTC_COL(ID_BONUSPROPORTION, 4, INT, GetBonusProportion()),
        GTC_COL(ID_BONUSCOEFFICIENT, 5, INT, GetBonusCoefficient()),
        GTC_COL(ID_BALANCELIMIT, 6, STRING, GetBalanceLimit()),
        GTC_COL(ID_BALANCECOEFFICIENT, 7, STRING, GetBalanceCoefficient()),
        GTC_COL(ID_SECURESCORE, 8, STRING, GetSecureScore()),
        GTC_COL(ID_SECURITYCOEFFICIENT, 9, STRING, GetSecurityCoefficient()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_PersonalIncomeRegulationRate, 99, 100>, Table_PersonalIncomeRegulationRate>::value,
              "record base");
GameTableCheck::Expected PersonalIncomeRegulationRateCase()
{
    typedef Table_PersonalIncomeRegulationRate T;
    GameTableCheck::Expected e = {GTC_FUNCS(PersonalIncomeRegulationRate),
        GameTableCheck::SEQUENCE, 99, 100, 6, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetID()),
        GTC_COL(ID_MATCHID, 2, INT, GetMatchId()),
        GTC_COL(ID_ATTACKNUMBERS, 3, INT, GetAttackNumbers()),
        GTC_COL(ID_OFFSETCONDITION, 4, STRING, GetOffsetCondition()),
        GTC_COL(ID_ADJUSTMENTCOEFFICIENT, 5, STRING, GetAdjustmentCoefficient()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_NewPlayerRate, 500, 500>, Table_NewPlayerRate>::value,
              "record base");
GameTableCheck::Expected NewPlayerRateCase()
{
    typedef Table_NewPlayerRate T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(NewPlayerRate), GameTableCheck::HASH, 500, 500, 5, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_MATCHTBLID, 2, INT, GetMatchTblId()),
        GTC_COL(ID_LEVELSTAGE, 3, STRING, GetLevelStage()),
        GTC_COL(ID_RATE, 4, INT, GetRate()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_StageRate, 500, 500>, Table_StageRate>::value, "record base");
GameTableCheck::Expected StageRateCase()
{
    typedef Table_StageRate T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(StageRate), GameTableCheck::HASH, 500, 500, 5, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_MATCHTBLID, 2, INT, GetMatchTblId()),
        GTC_COL(ID_DAILYACC, 3, STRING, GetDailyAcc()),
        GTC_COL(ID_RATE, 4, INT, GetRate()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_RateDiamondConfig, 50000, 50000>, Table_RateDiamondConfig>::value,
              "record base");
GameTableCheck::Expected RateDiamondConfigCase()
{
    typedef Table_RateDiamondConfig T;
    GameTableCheck::Expected e = {GTC_FUNCS(RateDiamondConfig),
        GameTableCheck::HASH, 50000, 50000, 4, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_DIAMONDPARAM1, 2, FLOAT, GetDiamondParambyIndex(0)),
        GTC_COL(ID_DIAMONDPARAM2, 3, FLOAT, GetDiamondParambyIndex(1)),
    };
    e.counts = {GTC_COUNT(getDiamondParamCount, 2)};
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_RateEquipConfig, 50000, 50000>, Table_RateEquipConfig>::value,
              "record base");
GameTableCheck::Expected RateEquipConfigCase()
{
    typedef Table_RateEquipConfig T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(RateEquipConfig), GameTableCheck::HASH, 50000, 50000, 4, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_EQUIPDROPCOUNT, 2, STRING, GetEquipDropCount()),
        GTC_COL(ID_EQUIPPARAM, 3, STRING, GetEquipParam()),
    };
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_RateItemConfig, 50000, 50000>, Table_RateItemConfig>::value,
              "record base");
GameTableCheck::Expected RateItemConfigCase()
{
    typedef Table_RateItemConfig T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(RateItemConfig), GameTableCheck::HASH, 50000, 50000, 6, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_MATCHID, 2, INT, GetMatchID()),
        GTC_COL(ID_ITEMID, 3, INT, GetItemID()),
        GTC_COL(ID_ITEMPARAM1, 4, FLOAT, GetItemParambyIndex(0)),
        GTC_COL(ID_ITEMPARAM2, 5, FLOAT, GetItemParambyIndex(1)),
    };
    e.counts = {GTC_COUNT(getItemParamCount, 2)};
    return e;
}

static_assert(std::is_base_of<DBC_Recorder_Loader<Table_RateQiukaConfig, 50000, 50000>, Table_RateQiukaConfig>::value,
              "record base");
GameTableCheck::Expected RateQiukaConfigCase()
{
    typedef Table_RateQiukaConfig T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(RateQiukaConfig), GameTableCheck::HASH, 50000, 50000, 4, {}, {}, {}};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_DROPCOUNT, 2, INT, GetDropCount()),
        GTC_COL(ID_PARM, 3, FLOAT, GetParm()),
    };
    return e;
}

TEST(EconomyTables, ShopRechargeDiscountAndFirstPayment)
{
    GameTableCheck::CheckTable(DiscountCase());
    GameTableCheck::CheckTable(FirstPayAwardCase());
    GameTableCheck::CheckTable(RechargeCase());
    GameTableCheck::CheckTable(ShopCase());
}

TEST(EconomyTables, RewardAndDropBag)
{
    GameTableCheck::CheckTable(DailyBoxCase());
    GameTableCheck::CheckTable(DropBagCase());
    GameTableCheck::CheckTable(RewardCase());
    GameTableCheck::CheckTable(RewardGroupValueCase());
}

TEST(EconomyTables, RegulationRate)
{
    GameTableCheck::CheckTable(BonusReturnRegulationRateCase());
    GameTableCheck::CheckTable(PersonalIncomeRegulationRateCase());
}

TEST(EconomyTables, NewPlayerAndStageRate)
{
    GameTableCheck::CheckTable(NewPlayerRateCase());
    GameTableCheck::CheckTable(StageRateCase());
}

TEST(EconomyTables, RateConfiguration)
{
    GameTableCheck::CheckTable(RateDiamondConfigCase());
    GameTableCheck::CheckTable(RateEquipConfigCase());
    GameTableCheck::CheckTable(RateItemConfigCase());
    GameTableCheck::CheckTable(RateQiukaConfigCase());
}

// Text cells come back as written, however much they look like numbers or lists; an empty
// integer or float cell between others reads 0, an empty text cell the shared empty text.
TEST(EconomyTables, CellsComeBackAsWritten)
{
    TempWorkDir dir;
    dir.WriteFile("Config/Discount.txt", DBCTest::TextTable("INT\tINT\tSTRING\tSTRING\tSTRING", {"4\t\t0.75\t12.50\t7,30"}));
    ASSERT_TRUE(InitTable_DiscountTable("Config/Discount.txt"));
    const Table_Discount* pDiscount = GetTable_DiscountByID(4);
    ASSERT_NE(nullptr, pDiscount);
    EXPECT_EQ(std::string("0.75"), pDiscount->GetRate());
    EXPECT_EQ(std::string("12.50"), pDiscount->GetWeight());
    EXPECT_EQ(std::string("7,30"), pDiscount->GetLimitDay());

    dir.WriteFile("Config/FirstPayAward.txt",
                  DBCTest::TextTable("INT\tINT\tINT\tSTRING\tSTRING", {"2\t\t1\t1001,1002,1003\t5;5;10"}));
    ASSERT_TRUE(InitTable_FirstPayAwardTable("Config/FirstPayAward.txt"));
    const Table_FirstPayAward* pFirst = GetTable_FirstPayAwardByID(2);
    ASSERT_NE(nullptr, pFirst);
    EXPECT_EQ(1, pFirst->GetSex());
    EXPECT_EQ(std::string("1001,1002,1003"), pFirst->GetItemId());
    EXPECT_EQ(std::string("5;5;10"), pFirst->GetItemNum());

    dir.WriteFile("Config/RateEquipConfig.txt", DBCTest::TextTable("INT\tINT\tSTRING\tSTRING", {"3\t\t3\t"}));
    ASSERT_TRUE(InitTable_RateEquipConfigTable("Config/RateEquipConfig.txt"));
    const Table_RateEquipConfig* pEquip = GetTable_RateEquipConfigByID(3);
    ASSERT_NE(nullptr, pEquip);
    EXPECT_EQ(std::string("3"), pEquip->GetEquipDropCount());
    EXPECT_EQ(DBC_EmptyString(), pEquip->GetEquipParam());

    // Empty cells between filled ones, and 0.1 kept as the nearest float, not the double.
    dir.WriteFile("Config/RateDiamondConfig.txt",
                  DBCTest::TextTable("INT\tINT\tFLOAT\tFLOAT", {"8\t\t\t1.5", "9\t\t0.1\t"}));
    ASSERT_TRUE(InitTable_RateDiamondConfigTable("Config/RateDiamondConfig.txt"));
    const Table_RateDiamondConfig* p8 = GetTable_RateDiamondConfigByID(8);
    const Table_RateDiamondConfig* p9 = GetTable_RateDiamondConfigByID(9);
    ASSERT_NE(nullptr, p8);
    ASSERT_NE(nullptr, p9);
    EXPECT_EQ(0.0f, p8->GetDiamondParambyIndex(0));
    EXPECT_EQ(1.5f, p8->GetDiamondParambyIndex(1));
    EXPECT_EQ(0.1f, p9->GetDiamondParambyIndex(0));
    EXPECT_NE(0.1, static_cast<double>(p9->GetDiamondParambyIndex(0)));
    EXPECT_EQ(0.0f, p9->GetDiamondParambyIndex(1));

    dir.WriteFile("Config/RateQiukaConfig.txt", DBCTest::TextTable("INT\tINT\tINT\tFLOAT", {"6\tx\t\t2.25"}));
    ASSERT_TRUE(InitTable_RateQiukaConfigTable("Config/RateQiukaConfig.txt"));
    const Table_RateQiukaConfig* pQiuka = GetTable_RateQiukaConfigByID(6);
    ASSERT_NE(nullptr, pQiuka);
    EXPECT_EQ(0, pQiuka->GetDropCount());
    EXPECT_EQ(2.25f, pQiuka->GetParm());

    dir.WriteFile("Config/Shop.txt",
                  DBCTest::TextTable("INT\tINT\tINT\tINT\tSTRING\tINT\tINT\tINT\tINT\tINT\tINT\tINT\tINT\tINT\tINT\tINT"
                                     "\tINT\tINT\tINT\tINT\tSTRING\tINT\tINT\tINT\tINT\tSTRING\tSTRING",
                                     {"20000\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t9"}));
    ASSERT_TRUE(InitTable_ShopTable("Config/Shop.txt"));
    const Table_Shop* pShop = GetTable_ShopByID(20000);
    ASSERT_NE(nullptr, pShop);
    EXPECT_EQ(0, pShop->GetPrice());
    EXPECT_EQ(0, pShop->GetStockCount());
    EXPECT_EQ(DBC_EmptyString(), pShop->GetOpenTime());
    EXPECT_EQ(std::string("9"), pShop->GetCloseTime());
    EXPECT_TRUE(DBCTest::AssertRecords(dir).empty());
}

}   // namespace
