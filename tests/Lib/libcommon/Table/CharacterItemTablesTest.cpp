// The character, equipment and item tables, and the card, pet and ride tables that start-up
// never loads. Each table is one case below, column by column; the checks are in
// GameTableCheck.h.

#include "GameTableCheck.h"

#include "Table_AccountLevel.h"
#include "Table_AttributeAdd.h"
#include "Table_Card1.h"
#include "Table_CharAttr.h"
#include "Table_CharAttr1.h"
#include "Table_EnhanceAck.h"
#include "Table_EnhancePower.h"
#include "Table_EquipSuit.h"
#include "Table_Equipment.h"
#include "Table_InitialItem.h"
#include "Table_Item.h"
#include "Table_Pet.h"
#include "Table_Ride.h"
#include "Table_UsableItem.h"

#include <gtest/gtest.h>

namespace
{
GameTableCheck::Expected AccountLevelCase()
{
    typedef Table_AccountLevel T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(AccountLevel), GameTableCheck::SEQUENCE, 99, 100, 7, {}, {}, {}};
    e.declOrder = {4, 5, 2, 0, 3, 6};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_EXP, 2, INT, GetExp()),
        GTC_COL(ID_SYSRELEASE, 3, STRING, GetSysRelease()),
        GTC_COL(ID_DROPBAGID, 4, INT, GetDropBagId()),
        GTC_COL(ID_DROPBAGID_F, 5, INT, GetDropBagIdF()),
        GTC_COL(ID_UNLOCKEQUIPMENT, 6, STRING, GetUnlockEquipment()),
    };
    return e;
}

GameTableCheck::Expected CharAttrCase()
{
    typedef Table_CharAttr T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(CharAttr), GameTableCheck::HASH, 999, 1000, 38, {}, {}, {}};
    e.declOrder = {
        26, 27, 7, 32, 12, 10, 28, 9, 19, 16, 25, 22, 8, 36, 37, 33, 2, 34, 17, 18, 14, 15, 0, 13, 6, 3, 29, 30, 5,
        11, 23, 24, 4, 31, 20, 21, 35};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_EXP, 2, INT, GetExp()),
        GTC_COL(ID_MAXHP, 3, INT, GetMaxHp()),
        GTC_COL(ID_POWER, 4, INT, GetPower()),
        GTC_COL(ID_MINATK, 5, INT, GetMinAtk()),
        GTC_COL(ID_MAXATK, 6, INT, GetMaxAtk()),
        GTC_COL(ID_ATK, 7, INT, GetAtk()),
        GTC_COL(ID_DEFENSE, 8, INT, GetDefense()),
        GTC_COL(ID_DEDEFENSE, 9, INT, GetDeDefense()),
        GTC_COL(ID_CRITICAL, 10, INT, GetCritical()),
        GTC_COL(ID_MOVESPEED, 11, INT, GetMoveSpeed()),
        GTC_COL(ID_CRITMULT, 12, INT, GetCritMult()),
        GTC_COL(ID_LUCKY, 13, INT, GetLucky()),
        GTC_COL(ID_ICE, 14, INT, GetIce()),
        GTC_COL(ID_ICEDEF, 15, INT, GetIceDef()),
        GTC_COL(ID_DEICEDEF, 16, INT, GetDeIceDef()),
        GTC_COL(ID_FLAME, 17, INT, GetFlame()),
        GTC_COL(ID_FLAMEDEF, 18, INT, GetFlameDef()),
        GTC_COL(ID_DEFLAMEDEF, 19, INT, GetDeFlameDef()),
        GTC_COL(ID_THUNDER, 20, INT, GetThunder()),
        GTC_COL(ID_THUNDERDEF, 21, INT, GetThunderDef()),
        GTC_COL(ID_DEFTHUNDERDEF, 22, INT, GetDefThunderDef()),
        GTC_COL(ID_POISON, 23, INT, GetPoison()),
        GTC_COL(ID_POISONDEF, 24, INT, GetPoisonDef()),
        GTC_COL(ID_DEPOISONDEF, 25, INT, GetDePoisonDef()),
        GTC_COL(ID_ALLATTR, 26, INT, GetAllAttr()),
        GTC_COL(ID_ALLATTRDEF, 27, INT, GetAllAttrDef()),
        GTC_COL(ID_DEALLATTRDEF, 28, INT, GetDeAllAttrDef()),
        GTC_COL(ID_MAXHUNGER, 29, INT, GetMaxHunger()),
        GTC_COL(ID_MAXWEIGHT, 30, INT, GetMaxWeight()),
        GTC_COL(ID_RETENACITYPER, 31, INT, GetReTenacityPer()),
        GTC_COL(ID_COINGET, 32, INT, GetCoinGet()),
        GTC_COL(ID_DYINGSPEED, 33, INT, GetDyingSpeed()),
        GTC_COL(ID_EXPGET, 34, INT, GetExpGet()),
        GTC_COL(ID_UNLOCKEQUIPMENT, 35, STRING, GetUnlockEquipment()),
        GTC_COL(ID_DROPBAGID, 36, INT, GetDropBagId()),
        GTC_COL(ID_DROPBAGIDF, 37, INT, GetDropBagIdF()),
    };
    return e;
}

GameTableCheck::Expected CharAttr1Case()
{
    typedef Table_CharAttr1 T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(CharAttr1), GameTableCheck::SEQUENCE, 99, 100, 17, {}, {}, {}};
    e.declOrder = {11, 9, 8, 7, 16, 2, 0, 12, 6, 3, 13, 14, 5, 10, 4, 15};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_EXP, 2, INT, GetExp()),
        GTC_COL(ID_MAXHP, 3, INT, GetMaxHp()),
        GTC_COL(ID_POWER, 4, INT, GetPower()),
        GTC_COL(ID_MINATK, 5, INT, GetMinAtk()),
        GTC_COL(ID_MAXATK, 6, INT, GetMaxAtk()),
        GTC_COL(ID_DEFENSE, 7, INT, GetDefense()),
        GTC_COL(ID_DEDEFENSE, 8, INT, GetDeDefense()),
        GTC_COL(ID_CRITICAL, 9, INT, GetCritical()),
        GTC_COL(ID_MOVESPEED, 10, INT, GetMoveSpeed()),
        GTC_COL(ID_CRITMULT, 11, INT, GetCritMult()),
        GTC_COL(ID_LUCKY, 12, INT, GetLucky()),
        GTC_COL(ID_MAXHUNGER, 13, INT, GetMaxHunger()),
        GTC_COL(ID_MAXWEIGHT, 14, INT, GetMaxWeight()),
        GTC_COL(ID_RETENACITYPER, 15, INT, GetReTenacityPer()),
        GTC_COL(ID_DYINGSPEED, 16, INT, GetDyingSpeed()),
    };
    return e;
}

GameTableCheck::Expected AttributeAddCase()
{
    typedef Table_AttributeAdd T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(AttributeAdd), GameTableCheck::HASH, 50000, 50000, 7, {}, {}, {}};
    e.declOrder = {4, 5, 0, 2, 3, 6};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_MAXHP, 2, INT, GetMaxHp()),
        GTC_COL(ID_POWER, 3, INT, GetPower()),
        GTC_COL(ID_ATK, 4, INT, GetAtk()),
        GTC_COL(ID_ENERGY, 5, INT, GetEnergy()),
        GTC_COL(ID_PRO, 6, INT, GetPro()),
    };
    return e;
}

GameTableCheck::Expected EquipmentCase()
{
    typedef Table_Equipment T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(Equipment), GameTableCheck::HASH, 50000, 50000, 78, {}, {}, {}};
    e.declOrder = {
        35, 36, 16, 67, 69, 71, 73, 75, 8, 51, 53, 55, 50, 52, 54, 41, 21, 19, 37, 18, 28, 25, 34, 31, 60, 61, 62,
        17, 68, 70, 72, 74, 76, 65, 66, 2, 77, 63, 64, 26, 27, 23, 24, 0, 22, 15, 12, 38, 14, 6, 7, 20, 49, 32, 33,
        4, 13, 39, 40, 48, 11, 42, 43, 44, 45, 46, 47, 3, 29, 30, 5, 59, 10, 58, 9, 57, 56};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_EQUIPLEVEL, 2, INT, GetEquipLevel()),
        GTC_COL(ID_SUITID, 3, INT, GetSuitId()),
        GTC_COL(ID_POSITION, 4, STRING, GetPosition()),
        GTC_COL(ID_WEAPONTYPE, 5, INT, GetWeaponType()),
        GTC_COL(ID_MODELNAME, 6, STRING, GetModelName()),
        GTC_COL(ID_MODELNAMENV, 7, STRING, GetModelNameNv()),
        GTC_COL(ID_BINDBONENAME, 8, STRING, GetBindBoneName()),
        GTC_COL(ID_WINGLEVELUPEFFECT, 9, STRING, GetWingLevelUpEffect()),
        GTC_COL(ID_WINGHIGHLEVELEFFECT, 10, STRING, GetWingHighLevelEffect()),
        GTC_COL(ID_SEX, 11, INT, GetSex()),
        GTC_COL(ID_MAXHP, 12, INT, GetMaxHp()),
        GTC_COL(ID_POWER, 13, INT, GetPower()),
        GTC_COL(ID_MINATK, 14, INT, GetMinAtk()),
        GTC_COL(ID_MAXATK, 15, INT, GetMaxAtk()),
        GTC_COL(ID_ATK, 16, INT, GetAtk()),
        GTC_COL(ID_DEFENSE, 17, INT, GetDefense()),
        GTC_COL(ID_DEDEFENSE, 18, INT, GetDeDefense()),
        GTC_COL(ID_CRITICAL, 19, INT, GetCritical()),
        GTC_COL(ID_MOVESPEED, 20, INT, GetMoveSpeed()),
        GTC_COL(ID_CRITMULT, 21, INT, GetCritMult()),
        GTC_COL(ID_LUCKY, 22, INT, GetLucky()),
        GTC_COL(ID_ICE, 23, INT, GetIce()),
        GTC_COL(ID_ICEDEF, 24, INT, GetIceDef()),
        GTC_COL(ID_DEICEDEF, 25, INT, GetDeIceDef()),
        GTC_COL(ID_FLAME, 26, INT, GetFlame()),
        GTC_COL(ID_FLAMEDEF, 27, INT, GetFlameDef()),
        GTC_COL(ID_DEFLAMEDEF, 28, INT, GetDeFlameDef()),
        GTC_COL(ID_THUNDER, 29, INT, GetThunder()),
        GTC_COL(ID_THUNDERDEF, 30, INT, GetThunderDef()),
        GTC_COL(ID_DEFTHUNDERDEF, 31, INT, GetDefThunderDef()),
        GTC_COL(ID_POISON, 32, INT, GetPoison()),
        GTC_COL(ID_POISONDEF, 33, INT, GetPoisonDef()),
        GTC_COL(ID_DEPOISONDEF, 34, INT, GetDePoisonDef()),
        GTC_COL(ID_ALLATTR, 35, INT, GetAllAttr()),
        GTC_COL(ID_ALLATTRDEF, 36, INT, GetAllAttrDef()),
        GTC_COL(ID_DEALLATTRDEF, 37, INT, GetDeAllAttrDef()),
        GTC_COL(ID_MAXWEAR, 38, INT, GetMaxWear()),
        GTC_COL(ID_REPAIRNEED, 39, INT, GetRepairNeed()),
        GTC_COL(ID_REPAIRWARE, 40, INT, GetRepairWare()),
        GTC_COL(ID_CONVERT, 41, INT, GetConvert()),
        GTC_COL(ID_SKILL0, 42, STRING, GetSkillbyIndex(0)),
        GTC_COL(ID_SKILL1, 43, STRING, GetSkillbyIndex(1)),
        GTC_COL(ID_SKILL2, 44, STRING, GetSkillbyIndex(2)),
        GTC_COL(ID_SKILL3, 45, STRING, GetSkillbyIndex(3)),
        GTC_COL(ID_SKILL4, 46, STRING, GetSkillbyIndex(4)),
        GTC_COL(ID_SPECIALEFFECTID, 47, STRING, GetSpecialEffectID()),
        GTC_COL(ID_SCORE, 48, INT, GetScore()),
        GTC_COL(ID_PETID, 49, INT, GetPetID()),
        GTC_COL(ID_COLORID1, 50, INT, GetColorIDbyIndex(0)),
        GTC_COL(ID_COLORCOUNT1, 51, INT, GetColorCountbyIndex(0)),
        GTC_COL(ID_COLORID2, 52, INT, GetColorIDbyIndex(1)),
        GTC_COL(ID_COLORCOUNT2, 53, INT, GetColorCountbyIndex(1)),
        GTC_COL(ID_COLORID3, 54, INT, GetColorIDbyIndex(2)),
        GTC_COL(ID_COLORCOUNT3, 55, INT, GetColorCountbyIndex(2)),
        GTC_COL(ID_WINGMODELLOW, 56, STRING, GetWingModelLow()),
        GTC_COL(ID_WINGMODELHIGH, 57, STRING, GetWingModelHigh()),
        GTC_COL(ID_WINGINITIALDISPLAYLEVEL, 58, INT, GetWingInitialDisplayLevel()),
        GTC_COL(ID_WINGCHANGEDISPLAYLEVEL, 59, INT, GetWingChangeDisplayLevel()),
        GTC_COL(ID_DEFAULTCOLOR1, 60, STRING, GetDefaultColorbyIndex(0)),
        GTC_COL(ID_DEFAULTCOLOR2, 61, STRING, GetDefaultColorbyIndex(1)),
        GTC_COL(ID_DEFAULTCOLOR3, 62, STRING, GetDefaultColorbyIndex(2)),
        GTC_COL(ID_EQUIPMENTACCLEVEL, 63, INT, GetEquipmentAccLevel()),
        GTC_COL(ID_EQUIPMENTNEEDITEM, 64, INT, GetEquipmentNeedItem()),
        GTC_COL(ID_ENERGY, 65, INT, GetEnergy()),
        GTC_COL(ID_ENHANCELV, 66, INT, GetEnhanceLv()),
        GTC_COL(ID_ATTRIB1, 67, INT, GetAttribbyIndex(0)),
        GTC_COL(ID_DIAMOND1, 68, INT, GetDiamondbyIndex(0)),
        GTC_COL(ID_ATTRIB2, 69, INT, GetAttribbyIndex(1)),
        GTC_COL(ID_DIAMOND2, 70, INT, GetDiamondbyIndex(1)),
        GTC_COL(ID_ATTRIB3, 71, INT, GetAttribbyIndex(2)),
        GTC_COL(ID_DIAMOND3, 72, INT, GetDiamondbyIndex(2)),
        GTC_COL(ID_ATTRIB4, 73, INT, GetAttribbyIndex(3)),
        GTC_COL(ID_DIAMOND4, 74, INT, GetDiamondbyIndex(3)),
        GTC_COL(ID_ATTRIB5, 75, INT, GetAttribbyIndex(4)),
        GTC_COL(ID_DIAMOND5, 76, INT, GetDiamondbyIndex(4)),
        GTC_COL(ID_EQUIPSUIT, 77, INT, GetEquipSuit()),
    };
    e.counts = {
        GTC_COUNT(getAttribCount, 5),
        GTC_COUNT(getColorCountCount, 3),
        GTC_COUNT(getColorIDCount, 3),
        GTC_COUNT(getDefaultColorCount, 3),
        GTC_COUNT(getDiamondCount, 5),
        GTC_COUNT(getSkillCount, 5)};
    return e;
}

GameTableCheck::Expected EquipSuitCase()
{
    typedef Table_EquipSuit T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(EquipSuit), GameTableCheck::HASH, 50000, 50000, 19, {}, {}, {}};
    e.declOrder = {11, 16, 10, 15, 3, 4, 5, 6, 7, 8, 0, 9, 14, 2, 12, 17, 13, 18};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_NAME, 2, INT, GetName()),
        GTC_COL(ID_EQUIP1, 3, INT, GetEquipbyIndex(0)),
        GTC_COL(ID_EQUIP2, 4, INT, GetEquipbyIndex(1)),
        GTC_COL(ID_EQUIP3, 5, INT, GetEquipbyIndex(2)),
        GTC_COL(ID_EQUIP4, 6, INT, GetEquipbyIndex(3)),
        GTC_COL(ID_EQUIP5, 7, INT, GetEquipbyIndex(4)),
        GTC_COL(ID_EQUIP6, 8, INT, GetEquipbyIndex(5)),
        GTC_COL(ID_LEVEL1, 9, INT, GetLevelbyIndex(0)),
        GTC_COL(ID_COUNT1, 10, INT, GetCountbyIndex(0)),
        GTC_COL(ID_ATTRIB1, 11, STRING, GetAttribbyIndex(0)),
        GTC_COL(ID_SKILL1, 12, INT, GetSkillbyIndex(0)),
        GTC_COL(ID_SKILLDES1, 13, INT, GetSkilldesbyIndex(0)),
        GTC_COL(ID_LEVEL2, 14, INT, GetLevelbyIndex(1)),
        GTC_COL(ID_COUNT2, 15, INT, GetCountbyIndex(1)),
        GTC_COL(ID_ATTRIB2, 16, STRING, GetAttribbyIndex(1)),
        GTC_COL(ID_SKILL2, 17, INT, GetSkillbyIndex(1)),
        GTC_COL(ID_SKILLDES2, 18, INT, GetSkilldesbyIndex(1)),
    };
    e.counts = {
        GTC_COUNT(getAttribCount, 2),
        GTC_COUNT(getCountCount, 2),
        GTC_COUNT(getEquipCount, 6),
        GTC_COUNT(getLevelCount, 2),
        GTC_COUNT(getSkillCount, 2),
        GTC_COUNT(getSkilldesCount, 2)};
    return e;
}

GameTableCheck::Expected EnhanceAckCase()
{
    typedef Table_EnhanceAck T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(EnhanceAck), GameTableCheck::HASH, 512, 512, 8, {}, {}, {}};
    e.declOrder = {3, 5, 0, 7, 6, 2, 4};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_NAME, 2, STRING, GetName()),
        GTC_COL(ID_ACK, 3, INT, GetAck()),
        GTC_COL(ID_RATIO, 4, INT, GetRatio()),
        GTC_COL(ID_COSTDIAMOND, 5, INT, GetCostDiamond()),
        GTC_COL(ID_LIMITTIMES, 6, INT, GetLimitTimes()),
        GTC_COL(ID_LIMITLEVEL, 7, INT, GetLimitLevel()),
    };
    return e;
}

GameTableCheck::Expected EnhancePowerCase()
{
    typedef Table_EnhancePower T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(EnhancePower), GameTableCheck::HASH, 512, 512, 8, {}, {}, {}};
    e.declOrder = {5, 0, 7, 6, 2, 3, 4};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_NAME, 2, STRING, GetName()),
        GTC_COL(ID_POWER, 3, INT, GetPower()),
        GTC_COL(ID_RATIO, 4, INT, GetRatio()),
        GTC_COL(ID_COSTDIAMOND, 5, INT, GetCostDiamond()),
        GTC_COL(ID_LIMITTIMES, 6, INT, GetLimitTimes()),
        GTC_COL(ID_LIMITLEVEL, 7, INT, GetLimitLevel()),
    };
    return e;
}

GameTableCheck::Expected ItemCase()
{
    typedef Table_Item T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(Item), GameTableCheck::HASH, 99999, 20000, 34, {}, {}, {}};
    e.declOrder = {
        19, 24, 8, 25, 30, 29, 2, 5, 9, 21, 11, 13, 0, 27, 28, 10, 17, 14, 6, 33, 12, 16, 23, 18, 22, 20, 4, 3, 26,
        7, 32, 31, 15};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_DESID, 2, INT, GetDesID()),
        GTC_COL(ID_TYPE, 3, INT, GetType()),
        GTC_COL(ID_SUBTYPE, 4, INT, GetSubType()),
        GTC_COL(ID_DROPTYPE, 5, INT, GetDropType()),
        GTC_COL(ID_NAME, 6, INT, GetName()),
        GTC_COL(ID_USEABLE, 7, INT, GetUseable()),
        GTC_COL(ID_CDID, 8, INT, GetCDId()),
        GTC_COL(ID_DROPABLE, 9, INT, GetDropable()),
        GTC_COL(ID_LOSTABLE, 10, INT, GetLostable()),
        GTC_COL(ID_HOTKEY, 11, INT, GetHotkey()),
        GTC_COL(ID_QUALITY, 12, INT, GetQuality()),
        GTC_COL(ID_ICONPATH, 13, STRING, GetIconPath()),
        GTC_COL(ID_MODELPATH, 14, STRING, GetModelPath()),
        GTC_COL(ID_WEIGHT, 15, INT, GetWeight()),
        GTC_COL(ID_SCORE, 16, INT, GetScore()),
        GTC_COL(ID_MAX, 17, INT, GetMax()),
        GTC_COL(ID_SKILLID, 18, INT, GetSkillID()),
        GTC_COL(ID_AUTOUSE, 19, INT, GetAutoUse()),
        GTC_COL(ID_SOLDABLE, 20, INT, GetSoldable()),
        GTC_COL(ID_GETITEMID, 21, INT, GetGetItemId()),
        GTC_COL(ID_SOLDPRICE, 22, STRING, GetSoldPrice()),
        GTC_COL(ID_SIMPLEDES, 23, INT, GetSimpleDes()),
        GTC_COL(ID_BEUSEADEAD, 24, INT, GetBeUseAdead()),
        GTC_COL(ID_COST, 25, INT, GetCost()),
        GTC_COL(ID_USEALONE, 26, INT, GetUseAlone()),
        GTC_COL(ID_QVAWARD, 27, INT, GetQVAward()),
        GTC_COL(ID_LIFETIME, 28, INT, GetLifeTime()),
        GTC_COL(ID_DAILYBOXITEMTYPE, 29, INT, GetDailyBoxItemType()),
        GTC_COL(ID_DAILYBOXITEMQUAN, 30, INT, GetDailyBoxItemQuan()),
        GTC_COL(ID_VALUEGROUP, 31, INT, GetValueGroup()),
        GTC_COL(ID_VALUECOUNT, 32, INT, GetValueCount()),
        GTC_COL(ID_ORDER, 33, INT, GetOrder()),
    };
    return e;
}

GameTableCheck::Expected UsableItemCase()
{
    typedef Table_UsableItem T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(UsableItem), GameTableCheck::HASH, 99999, 10240, 11, {}, {}, {}};
    e.declOrder = {4, 5, 0, 2, 6, 7, 8, 9, 3, 10};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_NAME, 2, STRING, GetName()),
        GTC_COL(ID_SCRIPTID, 3, INT, GetScriptId()),
        GTC_COL(ID_CONSUMEFLAG, 4, INT, GetConsumeFlag()),
        GTC_COL(ID_COOLDOWNID, 5, INT, GetCoolDownId()),
        GTC_COL(ID_PARAM1, 6, INT, GetParambyIndex(0)),
        GTC_COL(ID_PARAM2, 7, INT, GetParambyIndex(1)),
        GTC_COL(ID_PARAM3, 8, INT, GetParambyIndex(2)),
        GTC_COL(ID_PARAM4, 9, INT, GetParambyIndex(3)),
        GTC_COL(ID_TARGETTYPE, 10, INT, GetTargetType()),
    };
    e.counts = {GTC_COUNT(getParamCount, 4)};
    return e;
}

GameTableCheck::Expected InitialItemCase()
{
    typedef Table_InitialItem T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(InitialItem), GameTableCheck::SEQUENCE, 9, 100, 7, {}, {}, {}};
    e.declOrder = {3, 4, 6, 0, 5, 2};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_SEX, 2, INT, GetSex()),
        GTC_COL(ID_COLLECTTOOLITEMID, 3, STRING, GetCollectToolItemId()),
        GTC_COL(ID_EQUIPMENTITEMID, 4, STRING, GetEquipmentItemId()),
        GTC_COL(ID_ITEMID, 5, STRING, GetItemId()),
        GTC_COL(ID_GAMETYPE, 6, INT, GetGameType()),
    };
    return e;
}

GameTableCheck::Expected Card1Case()
{
    typedef Table_Card1 T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(Card1), GameTableCheck::HASH, 1999, 2000, 29, {}, {}, {}};
    e.declOrder = {
        8, 12, 16, 26, 7, 22, 21, 0, 27, 28, 4, 25, 11, 15, 19, 10, 14, 18, 3, 6, 2, 5, 23, 24, 20, 9, 13, 17};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_NEWITEMID, 2, INT, GetNewItemId()),
        GTC_COL(ID_NAME, 3, INT, GetName()),
        GTC_COL(ID_LV, 4, INT, GetLv()),
        GTC_COL(ID_NEXTID, 5, INT, GetNextId()),
        GTC_COL(ID_NEEDNUM, 6, INT, GetNeedNum()),
        GTC_COL(ID_COST, 7, INT, GetCost()),
        GTC_COL(ID_ATTR1, 8, INT, GetAttrbyIndex(0)),
        GTC_COL(ID_VALUE1, 9, INT, GetValuebyIndex(0)),
        GTC_COL(ID_MIN1, 10, INT, GetMinbyIndex(0)),
        GTC_COL(ID_MAX1, 11, INT, GetMaxbyIndex(0)),
        GTC_COL(ID_ATTR2, 12, INT, GetAttrbyIndex(1)),
        GTC_COL(ID_VALUE2, 13, INT, GetValuebyIndex(1)),
        GTC_COL(ID_MIN2, 14, INT, GetMinbyIndex(1)),
        GTC_COL(ID_MAX2, 15, INT, GetMaxbyIndex(1)),
        GTC_COL(ID_ATTR3, 16, INT, GetAttrbyIndex(2)),
        GTC_COL(ID_VALUE3, 17, INT, GetValuebyIndex(2)),
        GTC_COL(ID_MIN3, 18, INT, GetMinbyIndex(2)),
        GTC_COL(ID_MAX3, 19, INT, GetMaxbyIndex(2)),
        GTC_COL(ID_REFRESHCOST, 20, INT, GetRefreshCost()),
        GTC_COL(ID_DESTROYGETITEM, 21, INT, GetDestroyGetItem()),
        GTC_COL(ID_DESTROYGET, 22, INT, GetDestroyGet()),
        GTC_COL(ID_RANDPOOLID, 23, INT, GetRandPoolIdbyIndex(0)),
        GTC_COL(ID_RANDPOOLID2, 24, INT, GetRandPoolIdbyIndex(1)),
        GTC_COL(ID_LVUPCOST, 25, INT, GetLvUpCost()),
        GTC_COL(ID_CARDPIC, 26, STRING, GetCardPic()),
        GTC_COL(ID_LOCKCOSTITEM, 27, INT, GetLockCostItem()),
        GTC_COL(ID_LOCKCOSTNUM, 28, INT, GetLockCostNum()),
    };
    e.counts = {
        GTC_COUNT(getAttrCount, 3),
        GTC_COUNT(getMaxCount, 3),
        GTC_COUNT(getMinCount, 3),
        GTC_COUNT(getRandPoolIdCount, 2),
        GTC_COUNT(getValueCount, 3)};
    return e;
}

GameTableCheck::Expected PetCase()
{
    typedef Table_Pet T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(Pet), GameTableCheck::SEQUENCE, 999, 1000, 12, {}, {}, {}};
    e.declOrder = {7, 9, 10, 4, 0, 11, 8, 3, 5, 2, 6};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_NAME, 2, STRING, GetName()),
        GTC_COL(ID_MODELPATH, 3, STRING, GetModelPath()),
        GTC_COL(ID_ICONPATH, 4, STRING, GetIconPath()),
        GTC_COL(ID_MONSID, 5, INT, GetMonsId()),
        GTC_COL(ID_RIDEID, 6, INT, GetRideId()),
        GTC_COL(ID_COLLID, 7, INT, GetCollId()),
        GTC_COL(ID_LOCKR, 8, FLOAT, GetLockR()),
        GTC_COL(ID_HPBARLENGTH, 9, FLOAT, GetHpBarLength()),
        GTC_COL(ID_HPBARNUM, 10, INT, GetHpBarNum()),
        GTC_COL(ID_ITEMID, 11, INT, GetItemID()),
    };
    return e;
}

GameTableCheck::Expected RideCase()
{
    typedef Table_Ride T;
    GameTableCheck::Expected e = {
        GTC_FUNCS(Ride), GameTableCheck::SEQUENCE, 999, 1000, 26, {}, {}, {}};
    e.declOrder = {10, 12, 14, 16, 9, 11, 13, 15, 21, 20, 19, 17, 25, 0, 2, 24, 23, 3, 4, 5, 6, 7, 8, 18, 22};
    e.columns = {
        GTC_COL(ID_ID, 0, INT, GetId()),
        GTC_COL(ID_NAME, 2, STRING, GetName()),
        GTC_COL(ID_RIDETYPE, 3, INT, GetRideType()),
        GTC_COL(ID_SADDLE1, 4, INT, GetSaddlebyIndex(0)),
        GTC_COL(ID_SADDLE2, 5, INT, GetSaddlebyIndex(1)),
        GTC_COL(ID_SADDLE3, 6, INT, GetSaddlebyIndex(2)),
        GTC_COL(ID_SADDLE4, 7, INT, GetSaddlebyIndex(3)),
        GTC_COL(ID_SADDLE5, 8, INT, GetSaddlebyIndex(4)),
        GTC_COL(ID_ATTACK1TYPE, 9, INT, GetAttack1Type()),
        GTC_COL(ID_ATTACK1, 10, INT, GetAttackbyIndex(0)),
        GTC_COL(ID_ATTACK2TYPE, 11, INT, GetAttack2Type()),
        GTC_COL(ID_ATTACK2, 12, INT, GetAttackbyIndex(1)),
        GTC_COL(ID_ATTACK3TYPE, 13, INT, GetAttack3Type()),
        GTC_COL(ID_ATTACK3, 14, INT, GetAttackbyIndex(2)),
        GTC_COL(ID_ATTACK4TYPE, 15, INT, GetAttack4Type()),
        GTC_COL(ID_ATTACK4, 16, INT, GetAttackbyIndex(3)),
        GTC_COL(ID_DAMAGEGETR, 17, FLOAT, GetDamageGetR()),
        GTC_COL(ID_SHOTDOWN, 18, INT, GetShotDown()),
        GTC_COL(ID_CAMEHIGH, 19, FLOAT, GetCameHigh()),
        GTC_COL(ID_CAMEDISTSTAN, 20, FLOAT, GetCameDistStan()),
        GTC_COL(ID_CAMEDISTMOVE, 21, FLOAT, GetCameDistMove()),
        GTC_COL(ID_SPEED, 22, INT, GetSpeed()),
        GTC_COL(ID_RIDESOUNDNAME, 23, STRING, GetRideSoundName()),
        GTC_COL(ID_RIDESOUNDDELAYTIME, 24, STRING, GetRideSoundDelayTime()),
        GTC_COL(ID_EID, 25, INT, GetEid()),
    };
    e.counts = {GTC_COUNT(getAttackCount, 4), GTC_COUNT(getSaddleCount, 5)};
    return e;
}

TEST(CharacterItemTables, EachTableReadsItsColumnsAndKeepsItsLimits)
{
    GameTableCheck::CheckTable(AccountLevelCase());
    GameTableCheck::CheckTable(CharAttrCase());
    GameTableCheck::CheckTable(CharAttr1Case());
    GameTableCheck::CheckTable(AttributeAddCase());
    GameTableCheck::CheckTable(EquipmentCase());
    GameTableCheck::CheckTable(EquipSuitCase());
    GameTableCheck::CheckTable(EnhanceAckCase());
    GameTableCheck::CheckTable(EnhancePowerCase());
    GameTableCheck::CheckTable(ItemCase());
    GameTableCheck::CheckTable(UsableItemCase());
    GameTableCheck::CheckTable(InitialItemCase());
    GameTableCheck::CheckTable(Card1Case());
    GameTableCheck::CheckTable(PetCase());
    GameTableCheck::CheckTable(RideCase());
}

// Every table takes as many records as its limits allow, IDs in any order.
TEST(CharacterItemTables, EachTableLoadsAFullFile)
{
    GameTableCheck::CheckFullLoad(AccountLevelCase());
    GameTableCheck::CheckFullLoad(CharAttrCase());
    GameTableCheck::CheckFullLoad(CharAttr1Case());
    GameTableCheck::CheckFullLoad(AttributeAddCase());
    GameTableCheck::CheckFullLoad(EquipmentCase());
    GameTableCheck::CheckFullLoad(EquipSuitCase());
    GameTableCheck::CheckFullLoad(EnhanceAckCase());
    GameTableCheck::CheckFullLoad(EnhancePowerCase());
    GameTableCheck::CheckFullLoad(ItemCase());
    GameTableCheck::CheckFullLoad(UsableItemCase());
    GameTableCheck::CheckFullLoad(InitialItemCase());
    GameTableCheck::CheckFullLoad(Card1Case());
    GameTableCheck::CheckFullLoad(PetCase());
    GameTableCheck::CheckFullLoad(RideCase());
}
}   // namespace
