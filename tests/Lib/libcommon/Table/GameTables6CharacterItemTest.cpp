// The character, equipment and item tables, and the card, pet and ride tables that start-up
// never loads. Each table is one case below, written from its column table; the checks are
// in GameTables6TestUtil.h.

#include "GameTables6TestUtil.h"

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
GT6::TableCase AccountLevelCase()
{
    typedef Table_AccountLevel T;
    GT6::TableCase c = {GT6_FUNCS(AccountLevel), "Config/AccountLevel.txt", GT6::SEQUENCE, 99, 100, 7, {}, {}};
    c.columns = {
        GT6_COL(ID_DROPBAGID, 4, INT, GetDropBagId()),
        GT6_COL(ID_DROPBAGID_F, 5, INT, GetDropBagIdF()),
        GT6_COL(ID_EXP, 2, INT, GetExp()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_SYSRELEASE, 3, STRING, GetSysRelease()),
        GT6_COL(ID_UNLOCKEQUIPMENT, 6, STRING, GetUnlockEquipment()),
    };
    return c;
}

GT6::TableCase CharAttrCase()
{
    typedef Table_CharAttr T;
    GT6::TableCase c = {GT6_FUNCS(CharAttr), "Config/CharAttr.txt", GT6::HASH, 999, 1000, 38, {}, {}};
    c.columns = {
        GT6_COL(ID_ALLATTR, 26, INT, GetAllAttr()),
        GT6_COL(ID_ALLATTRDEF, 27, INT, GetAllAttrDef()),
        GT6_COL(ID_ATK, 7, INT, GetAtk()),
        GT6_COL(ID_COINGET, 32, INT, GetCoinGet()),
        GT6_COL(ID_CRITMULT, 12, INT, GetCritMult()),
        GT6_COL(ID_CRITICAL, 10, INT, GetCritical()),
        GT6_COL(ID_DEALLATTRDEF, 28, INT, GetDeAllAttrDef()),
        GT6_COL(ID_DEDEFENSE, 9, INT, GetDeDefense()),
        GT6_COL(ID_DEFLAMEDEF, 19, INT, GetDeFlameDef()),
        GT6_COL(ID_DEICEDEF, 16, INT, GetDeIceDef()),
        GT6_COL(ID_DEPOISONDEF, 25, INT, GetDePoisonDef()),
        GT6_COL(ID_DEFTHUNDERDEF, 22, INT, GetDefThunderDef()),
        GT6_COL(ID_DEFENSE, 8, INT, GetDefense()),
        GT6_COL(ID_DROPBAGID, 36, INT, GetDropBagId()),
        GT6_COL(ID_DROPBAGIDF, 37, INT, GetDropBagIdF()),
        GT6_COL(ID_DYINGSPEED, 33, INT, GetDyingSpeed()),
        GT6_COL(ID_EXP, 2, INT, GetExp()),
        GT6_COL(ID_EXPGET, 34, INT, GetExpGet()),
        GT6_COL(ID_FLAME, 17, INT, GetFlame()),
        GT6_COL(ID_FLAMEDEF, 18, INT, GetFlameDef()),
        GT6_COL(ID_ICE, 14, INT, GetIce()),
        GT6_COL(ID_ICEDEF, 15, INT, GetIceDef()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_LUCKY, 13, INT, GetLucky()),
        GT6_COL(ID_MAXATK, 6, INT, GetMaxAtk()),
        GT6_COL(ID_MAXHP, 3, INT, GetMaxHp()),
        GT6_COL(ID_MAXHUNGER, 29, INT, GetMaxHunger()),
        GT6_COL(ID_MAXWEIGHT, 30, INT, GetMaxWeight()),
        GT6_COL(ID_MINATK, 5, INT, GetMinAtk()),
        GT6_COL(ID_MOVESPEED, 11, INT, GetMoveSpeed()),
        GT6_COL(ID_POISON, 23, INT, GetPoison()),
        GT6_COL(ID_POISONDEF, 24, INT, GetPoisonDef()),
        GT6_COL(ID_POWER, 4, INT, GetPower()),
        GT6_COL(ID_RETENACITYPER, 31, INT, GetReTenacityPer()),
        GT6_COL(ID_THUNDER, 20, INT, GetThunder()),
        GT6_COL(ID_THUNDERDEF, 21, INT, GetThunderDef()),
        GT6_COL(ID_UNLOCKEQUIPMENT, 35, STRING, GetUnlockEquipment()),
    };
    return c;
}

GT6::TableCase CharAttr1Case()
{
    typedef Table_CharAttr1 T;
    GT6::TableCase c = {GT6_FUNCS(CharAttr1), "Config/CharAttr1.txt", GT6::SEQUENCE, 99, 100, 17, {}, {}};
    c.columns = {
        GT6_COL(ID_CRITMULT, 11, INT, GetCritMult()),
        GT6_COL(ID_CRITICAL, 9, INT, GetCritical()),
        GT6_COL(ID_DEDEFENSE, 8, INT, GetDeDefense()),
        GT6_COL(ID_DEFENSE, 7, INT, GetDefense()),
        GT6_COL(ID_DYINGSPEED, 16, INT, GetDyingSpeed()),
        GT6_COL(ID_EXP, 2, INT, GetExp()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_LUCKY, 12, INT, GetLucky()),
        GT6_COL(ID_MAXATK, 6, INT, GetMaxAtk()),
        GT6_COL(ID_MAXHP, 3, INT, GetMaxHp()),
        GT6_COL(ID_MAXHUNGER, 13, INT, GetMaxHunger()),
        GT6_COL(ID_MAXWEIGHT, 14, INT, GetMaxWeight()),
        GT6_COL(ID_MINATK, 5, INT, GetMinAtk()),
        GT6_COL(ID_MOVESPEED, 10, INT, GetMoveSpeed()),
        GT6_COL(ID_POWER, 4, INT, GetPower()),
        GT6_COL(ID_RETENACITYPER, 15, INT, GetReTenacityPer()),
    };
    return c;
}

GT6::TableCase AttributeAddCase()
{
    typedef Table_AttributeAdd T;
    GT6::TableCase c = {GT6_FUNCS(AttributeAdd), "Config/AttributeAdd.txt", GT6::HASH, 50000, 50000, 7, {}, {}};
    c.columns = {
        GT6_COL(ID_ATK, 4, INT, GetAtk()),
        GT6_COL(ID_ENERGY, 5, INT, GetEnergy()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_MAXHP, 2, INT, GetMaxHp()),
        GT6_COL(ID_POWER, 3, INT, GetPower()),
        GT6_COL(ID_PRO, 6, INT, GetPro()),
    };
    return c;
}

GT6::TableCase EquipmentCase()
{
    typedef Table_Equipment T;
    GT6::TableCase c = {GT6_FUNCS(Equipment), "Config/Equipment.txt", GT6::HASH, 50000, 50000, 78, {}, {}};
    c.columns = {
        GT6_COL(ID_ALLATTR, 35, INT, GetAllAttr()),
        GT6_COL(ID_ALLATTRDEF, 36, INT, GetAllAttrDef()),
        GT6_COL(ID_ATK, 16, INT, GetAtk()),
        GT6_COL(ID_ATTRIB1, 67, INT, GetAttribbyIndex(0)),
        GT6_COL(ID_ATTRIB2, 69, INT, GetAttribbyIndex(1)),
        GT6_COL(ID_ATTRIB3, 71, INT, GetAttribbyIndex(2)),
        GT6_COL(ID_ATTRIB4, 73, INT, GetAttribbyIndex(3)),
        GT6_COL(ID_ATTRIB5, 75, INT, GetAttribbyIndex(4)),
        GT6_COL(ID_BINDBONENAME, 8, STRING, GetBindBoneName()),
        GT6_COL(ID_COLORCOUNT1, 51, INT, GetColorCountbyIndex(0)),
        GT6_COL(ID_COLORCOUNT2, 53, INT, GetColorCountbyIndex(1)),
        GT6_COL(ID_COLORCOUNT3, 55, INT, GetColorCountbyIndex(2)),
        GT6_COL(ID_COLORID1, 50, INT, GetColorIDbyIndex(0)),
        GT6_COL(ID_COLORID2, 52, INT, GetColorIDbyIndex(1)),
        GT6_COL(ID_COLORID3, 54, INT, GetColorIDbyIndex(2)),
        GT6_COL(ID_CONVERT, 41, INT, GetConvert()),
        GT6_COL(ID_CRITMULT, 21, INT, GetCritMult()),
        GT6_COL(ID_CRITICAL, 19, INT, GetCritical()),
        GT6_COL(ID_DEALLATTRDEF, 37, INT, GetDeAllAttrDef()),
        GT6_COL(ID_DEDEFENSE, 18, INT, GetDeDefense()),
        GT6_COL(ID_DEFLAMEDEF, 28, INT, GetDeFlameDef()),
        GT6_COL(ID_DEICEDEF, 25, INT, GetDeIceDef()),
        GT6_COL(ID_DEPOISONDEF, 34, INT, GetDePoisonDef()),
        GT6_COL(ID_DEFTHUNDERDEF, 31, INT, GetDefThunderDef()),
        GT6_COL(ID_DEFAULTCOLOR1, 60, STRING, GetDefaultColorbyIndex(0)),
        GT6_COL(ID_DEFAULTCOLOR2, 61, STRING, GetDefaultColorbyIndex(1)),
        GT6_COL(ID_DEFAULTCOLOR3, 62, STRING, GetDefaultColorbyIndex(2)),
        GT6_COL(ID_DEFENSE, 17, INT, GetDefense()),
        GT6_COL(ID_DIAMOND1, 68, INT, GetDiamondbyIndex(0)),
        GT6_COL(ID_DIAMOND2, 70, INT, GetDiamondbyIndex(1)),
        GT6_COL(ID_DIAMOND3, 72, INT, GetDiamondbyIndex(2)),
        GT6_COL(ID_DIAMOND4, 74, INT, GetDiamondbyIndex(3)),
        GT6_COL(ID_DIAMOND5, 76, INT, GetDiamondbyIndex(4)),
        GT6_COL(ID_ENERGY, 65, INT, GetEnergy()),
        GT6_COL(ID_ENHANCELV, 66, INT, GetEnhanceLv()),
        GT6_COL(ID_EQUIPLEVEL, 2, INT, GetEquipLevel()),
        GT6_COL(ID_EQUIPSUIT, 77, INT, GetEquipSuit()),
        GT6_COL(ID_EQUIPMENTACCLEVEL, 63, INT, GetEquipmentAccLevel()),
        GT6_COL(ID_EQUIPMENTNEEDITEM, 64, INT, GetEquipmentNeedItem()),
        GT6_COL(ID_FLAME, 26, INT, GetFlame()),
        GT6_COL(ID_FLAMEDEF, 27, INT, GetFlameDef()),
        GT6_COL(ID_ICE, 23, INT, GetIce()),
        GT6_COL(ID_ICEDEF, 24, INT, GetIceDef()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_LUCKY, 22, INT, GetLucky()),
        GT6_COL(ID_MAXATK, 15, INT, GetMaxAtk()),
        GT6_COL(ID_MAXHP, 12, INT, GetMaxHp()),
        GT6_COL(ID_MAXWEAR, 38, INT, GetMaxWear()),
        GT6_COL(ID_MINATK, 14, INT, GetMinAtk()),
        GT6_COL(ID_MODELNAME, 6, STRING, GetModelName()),
        GT6_COL(ID_MODELNAMENV, 7, STRING, GetModelNameNv()),
        GT6_COL(ID_MOVESPEED, 20, INT, GetMoveSpeed()),
        GT6_COL(ID_PETID, 49, INT, GetPetID()),
        GT6_COL(ID_POISON, 32, INT, GetPoison()),
        GT6_COL(ID_POISONDEF, 33, INT, GetPoisonDef()),
        GT6_COL(ID_POSITION, 4, STRING, GetPosition()),
        GT6_COL(ID_POWER, 13, INT, GetPower()),
        GT6_COL(ID_REPAIRNEED, 39, INT, GetRepairNeed()),
        GT6_COL(ID_REPAIRWARE, 40, INT, GetRepairWare()),
        GT6_COL(ID_SCORE, 48, INT, GetScore()),
        GT6_COL(ID_SEX, 11, INT, GetSex()),
        GT6_COL(ID_SKILL0, 42, STRING, GetSkillbyIndex(0)),
        GT6_COL(ID_SKILL1, 43, STRING, GetSkillbyIndex(1)),
        GT6_COL(ID_SKILL2, 44, STRING, GetSkillbyIndex(2)),
        GT6_COL(ID_SKILL3, 45, STRING, GetSkillbyIndex(3)),
        GT6_COL(ID_SKILL4, 46, STRING, GetSkillbyIndex(4)),
        GT6_COL(ID_SPECIALEFFECTID, 47, STRING, GetSpecialEffectID()),
        GT6_COL(ID_SUITID, 3, INT, GetSuitId()),
        GT6_COL(ID_THUNDER, 29, INT, GetThunder()),
        GT6_COL(ID_THUNDERDEF, 30, INT, GetThunderDef()),
        GT6_COL(ID_WEAPONTYPE, 5, INT, GetWeaponType()),
        GT6_COL(ID_WINGCHANGEDISPLAYLEVEL, 59, INT, GetWingChangeDisplayLevel()),
        GT6_COL(ID_WINGHIGHLEVELEFFECT, 10, STRING, GetWingHighLevelEffect()),
        GT6_COL(ID_WINGINITIALDISPLAYLEVEL, 58, INT, GetWingInitialDisplayLevel()),
        GT6_COL(ID_WINGLEVELUPEFFECT, 9, STRING, GetWingLevelUpEffect()),
        GT6_COL(ID_WINGMODELHIGH, 57, STRING, GetWingModelHigh()),
        GT6_COL(ID_WINGMODELLOW, 56, STRING, GetWingModelLow()),
    };
    c.counts = {GT6_COUNT(getAttribCount, 5), GT6_COUNT(getColorCountCount, 3), GT6_COUNT(getColorIDCount, 3), GT6_COUNT(getDefaultColorCount, 3), GT6_COUNT(getDiamondCount, 5), GT6_COUNT(getSkillCount, 5)};
    return c;
}

GT6::TableCase EquipSuitCase()
{
    typedef Table_EquipSuit T;
    GT6::TableCase c = {GT6_FUNCS(EquipSuit), "Config/EquipSuit.txt", GT6::HASH, 50000, 50000, 19, {}, {}};
    c.columns = {
        GT6_COL(ID_ATTRIB1, 11, STRING, GetAttribbyIndex(0)),
        GT6_COL(ID_ATTRIB2, 16, STRING, GetAttribbyIndex(1)),
        GT6_COL(ID_COUNT1, 10, INT, GetCountbyIndex(0)),
        GT6_COL(ID_COUNT2, 15, INT, GetCountbyIndex(1)),
        GT6_COL(ID_EQUIP1, 3, INT, GetEquipbyIndex(0)),
        GT6_COL(ID_EQUIP2, 4, INT, GetEquipbyIndex(1)),
        GT6_COL(ID_EQUIP3, 5, INT, GetEquipbyIndex(2)),
        GT6_COL(ID_EQUIP4, 6, INT, GetEquipbyIndex(3)),
        GT6_COL(ID_EQUIP5, 7, INT, GetEquipbyIndex(4)),
        GT6_COL(ID_EQUIP6, 8, INT, GetEquipbyIndex(5)),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_LEVEL1, 9, INT, GetLevelbyIndex(0)),
        GT6_COL(ID_LEVEL2, 14, INT, GetLevelbyIndex(1)),
        GT6_COL(ID_NAME, 2, INT, GetName()),
        GT6_COL(ID_SKILL1, 12, INT, GetSkillbyIndex(0)),
        GT6_COL(ID_SKILL2, 17, INT, GetSkillbyIndex(1)),
        GT6_COL(ID_SKILLDES1, 13, INT, GetSkilldesbyIndex(0)),
        GT6_COL(ID_SKILLDES2, 18, INT, GetSkilldesbyIndex(1)),
    };
    c.counts = {GT6_COUNT(getAttribCount, 2), GT6_COUNT(getCountCount, 2), GT6_COUNT(getEquipCount, 6), GT6_COUNT(getLevelCount, 2), GT6_COUNT(getSkillCount, 2), GT6_COUNT(getSkilldesCount, 2)};
    return c;
}

GT6::TableCase EnhanceAckCase()
{
    typedef Table_EnhanceAck T;
    GT6::TableCase c = {GT6_FUNCS(EnhanceAck), "Config/EnhanceAck.txt", GT6::HASH, 512, 512, 8, {}, {}};
    c.columns = {
        GT6_COL(ID_ACK, 3, INT, GetAck()),
        GT6_COL(ID_COSTDIAMOND, 5, INT, GetCostDiamond()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_LIMITLEVEL, 7, INT, GetLimitLevel()),
        GT6_COL(ID_LIMITTIMES, 6, INT, GetLimitTimes()),
        GT6_COL(ID_NAME, 2, STRING, GetName()),
        GT6_COL(ID_RATIO, 4, INT, GetRatio()),
    };
    return c;
}

GT6::TableCase EnhancePowerCase()
{
    typedef Table_EnhancePower T;
    GT6::TableCase c = {GT6_FUNCS(EnhancePower), "Config/EnhancePower.txt", GT6::HASH, 512, 512, 8, {}, {}};
    c.columns = {
        GT6_COL(ID_COSTDIAMOND, 5, INT, GetCostDiamond()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_LIMITLEVEL, 7, INT, GetLimitLevel()),
        GT6_COL(ID_LIMITTIMES, 6, INT, GetLimitTimes()),
        GT6_COL(ID_NAME, 2, STRING, GetName()),
        GT6_COL(ID_POWER, 3, INT, GetPower()),
        GT6_COL(ID_RATIO, 4, INT, GetRatio()),
    };
    return c;
}

GT6::TableCase ItemCase()
{
    typedef Table_Item T;
    GT6::TableCase c = {GT6_FUNCS(Item), "Config/Item.txt", GT6::HASH, 99999, 20000, 34, {}, {}};
    c.columns = {
        GT6_COL(ID_AUTOUSE, 19, INT, GetAutoUse()),
        GT6_COL(ID_BEUSEADEAD, 24, INT, GetBeUseAdead()),
        GT6_COL(ID_CDID, 8, INT, GetCDId()),
        GT6_COL(ID_COST, 25, INT, GetCost()),
        GT6_COL(ID_DAILYBOXITEMQUAN, 30, INT, GetDailyBoxItemQuan()),
        GT6_COL(ID_DAILYBOXITEMTYPE, 29, INT, GetDailyBoxItemType()),
        GT6_COL(ID_DESID, 2, INT, GetDesID()),
        GT6_COL(ID_DROPTYPE, 5, INT, GetDropType()),
        GT6_COL(ID_DROPABLE, 9, INT, GetDropable()),
        GT6_COL(ID_GETITEMID, 21, INT, GetGetItemId()),
        GT6_COL(ID_HOTKEY, 11, INT, GetHotkey()),
        GT6_COL(ID_ICONPATH, 13, STRING, GetIconPath()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_QVAWARD, 27, INT, GetQVAward()),
        GT6_COL(ID_LIFETIME, 28, INT, GetLifeTime()),
        GT6_COL(ID_LOSTABLE, 10, INT, GetLostable()),
        GT6_COL(ID_MAX, 17, INT, GetMax()),
        GT6_COL(ID_MODELPATH, 14, STRING, GetModelPath()),
        GT6_COL(ID_NAME, 6, INT, GetName()),
        GT6_COL(ID_ORDER, 33, INT, GetOrder()),
        GT6_COL(ID_QUALITY, 12, INT, GetQuality()),
        GT6_COL(ID_SCORE, 16, INT, GetScore()),
        GT6_COL(ID_SIMPLEDES, 23, INT, GetSimpleDes()),
        GT6_COL(ID_SKILLID, 18, INT, GetSkillID()),
        GT6_COL(ID_SOLDPRICE, 22, STRING, GetSoldPrice()),
        GT6_COL(ID_SOLDABLE, 20, INT, GetSoldable()),
        GT6_COL(ID_SUBTYPE, 4, INT, GetSubType()),
        GT6_COL(ID_TYPE, 3, INT, GetType()),
        GT6_COL(ID_USEALONE, 26, INT, GetUseAlone()),
        GT6_COL(ID_USEABLE, 7, INT, GetUseable()),
        GT6_COL(ID_VALUECOUNT, 32, INT, GetValueCount()),
        GT6_COL(ID_VALUEGROUP, 31, INT, GetValueGroup()),
        GT6_COL(ID_WEIGHT, 15, INT, GetWeight()),
    };
    return c;
}

GT6::TableCase UsableItemCase()
{
    typedef Table_UsableItem T;
    GT6::TableCase c = {GT6_FUNCS(UsableItem), "Config/UsableItem.txt", GT6::HASH, 99999, 10240, 11, {}, {}};
    c.columns = {
        GT6_COL(ID_CONSUMEFLAG, 4, INT, GetConsumeFlag()),
        GT6_COL(ID_COOLDOWNID, 5, INT, GetCoolDownId()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_NAME, 2, STRING, GetName()),
        GT6_COL(ID_PARAM1, 6, INT, GetParambyIndex(0)),
        GT6_COL(ID_PARAM2, 7, INT, GetParambyIndex(1)),
        GT6_COL(ID_PARAM3, 8, INT, GetParambyIndex(2)),
        GT6_COL(ID_PARAM4, 9, INT, GetParambyIndex(3)),
        GT6_COL(ID_SCRIPTID, 3, INT, GetScriptId()),
        GT6_COL(ID_TARGETTYPE, 10, INT, GetTargetType()),
    };
    c.counts = {GT6_COUNT(getParamCount, 4)};
    return c;
}

GT6::TableCase InitialItemCase()
{
    typedef Table_InitialItem T;
    GT6::TableCase c = {GT6_FUNCS(InitialItem), "Config/InitialItem.txt", GT6::SEQUENCE, 9, 100, 7, {}, {}};
    c.columns = {
        GT6_COL(ID_COLLECTTOOLITEMID, 3, STRING, GetCollectToolItemId()),
        GT6_COL(ID_EQUIPMENTITEMID, 4, STRING, GetEquipmentItemId()),
        GT6_COL(ID_GAMETYPE, 6, INT, GetGameType()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_ITEMID, 5, STRING, GetItemId()),
        GT6_COL(ID_SEX, 2, INT, GetSex()),
    };
    return c;
}

GT6::TableCase Card1Case()
{
    typedef Table_Card1 T;
    GT6::TableCase c = {GT6_FUNCS(Card1), "Config/Card1.txt", GT6::HASH, 1999, 2000, 29, {}, {}};
    c.columns = {
        GT6_COL(ID_ATTR1, 8, INT, GetAttrbyIndex(0)),
        GT6_COL(ID_ATTR2, 12, INT, GetAttrbyIndex(1)),
        GT6_COL(ID_ATTR3, 16, INT, GetAttrbyIndex(2)),
        GT6_COL(ID_CARDPIC, 26, STRING, GetCardPic()),
        GT6_COL(ID_COST, 7, INT, GetCost()),
        GT6_COL(ID_DESTROYGET, 22, INT, GetDestroyGet()),
        GT6_COL(ID_DESTROYGETITEM, 21, INT, GetDestroyGetItem()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_LOCKCOSTITEM, 27, INT, GetLockCostItem()),
        GT6_COL(ID_LOCKCOSTNUM, 28, INT, GetLockCostNum()),
        GT6_COL(ID_LV, 4, INT, GetLv()),
        GT6_COL(ID_LVUPCOST, 25, INT, GetLvUpCost()),
        GT6_COL(ID_MAX1, 11, INT, GetMaxbyIndex(0)),
        GT6_COL(ID_MAX2, 15, INT, GetMaxbyIndex(1)),
        GT6_COL(ID_MAX3, 19, INT, GetMaxbyIndex(2)),
        GT6_COL(ID_MIN1, 10, INT, GetMinbyIndex(0)),
        GT6_COL(ID_MIN2, 14, INT, GetMinbyIndex(1)),
        GT6_COL(ID_MIN3, 18, INT, GetMinbyIndex(2)),
        GT6_COL(ID_NAME, 3, INT, GetName()),
        GT6_COL(ID_NEEDNUM, 6, INT, GetNeedNum()),
        GT6_COL(ID_NEWITEMID, 2, INT, GetNewItemId()),
        GT6_COL(ID_NEXTID, 5, INT, GetNextId()),
        GT6_COL(ID_RANDPOOLID, 23, INT, GetRandPoolIdbyIndex(0)),
        GT6_COL(ID_RANDPOOLID2, 24, INT, GetRandPoolIdbyIndex(1)),
        GT6_COL(ID_REFRESHCOST, 20, INT, GetRefreshCost()),
        GT6_COL(ID_VALUE1, 9, INT, GetValuebyIndex(0)),
        GT6_COL(ID_VALUE2, 13, INT, GetValuebyIndex(1)),
        GT6_COL(ID_VALUE3, 17, INT, GetValuebyIndex(2)),
    };
    c.counts = {GT6_COUNT(getAttrCount, 3), GT6_COUNT(getMaxCount, 3), GT6_COUNT(getMinCount, 3), GT6_COUNT(getRandPoolIdCount, 2), GT6_COUNT(getValueCount, 3)};
    return c;
}

GT6::TableCase PetCase()
{
    typedef Table_Pet T;
    GT6::TableCase c = {GT6_FUNCS(Pet), "Config/Pet.txt", GT6::SEQUENCE, 999, 1000, 12, {}, {}};
    c.columns = {
        GT6_COL(ID_COLLID, 7, INT, GetCollId()),
        GT6_COL(ID_HPBARLENGTH, 9, FLOAT, GetHpBarLength()),
        GT6_COL(ID_HPBARNUM, 10, INT, GetHpBarNum()),
        GT6_COL(ID_ICONPATH, 4, STRING, GetIconPath()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_ITEMID, 11, INT, GetItemID()),
        GT6_COL(ID_LOCKR, 8, FLOAT, GetLockR()),
        GT6_COL(ID_MODELPATH, 3, STRING, GetModelPath()),
        GT6_COL(ID_MONSID, 5, INT, GetMonsId()),
        GT6_COL(ID_NAME, 2, STRING, GetName()),
        GT6_COL(ID_RIDEID, 6, INT, GetRideId()),
    };
    return c;
}

GT6::TableCase RideCase()
{
    typedef Table_Ride T;
    GT6::TableCase c = {GT6_FUNCS(Ride), "Config/Ride.txt", GT6::SEQUENCE, 999, 1000, 26, {}, {}};
    c.columns = {
        GT6_COL(ID_ATTACK1, 10, INT, GetAttackbyIndex(0)),
        GT6_COL(ID_ATTACK2, 12, INT, GetAttackbyIndex(1)),
        GT6_COL(ID_ATTACK3, 14, INT, GetAttackbyIndex(2)),
        GT6_COL(ID_ATTACK4, 16, INT, GetAttackbyIndex(3)),
        GT6_COL(ID_ATTACK1TYPE, 9, INT, GetAttack1Type()),
        GT6_COL(ID_ATTACK2TYPE, 11, INT, GetAttack2Type()),
        GT6_COL(ID_ATTACK3TYPE, 13, INT, GetAttack3Type()),
        GT6_COL(ID_ATTACK4TYPE, 15, INT, GetAttack4Type()),
        GT6_COL(ID_CAMEDISTMOVE, 21, FLOAT, GetCameDistMove()),
        GT6_COL(ID_CAMEDISTSTAN, 20, FLOAT, GetCameDistStan()),
        GT6_COL(ID_CAMEHIGH, 19, FLOAT, GetCameHigh()),
        GT6_COL(ID_DAMAGEGETR, 17, FLOAT, GetDamageGetR()),
        GT6_COL(ID_EID, 25, INT, GetEid()),
        GT6_COL(ID_ID, 0, INT, GetId()),
        GT6_COL(ID_NAME, 2, STRING, GetName()),
        GT6_COL(ID_RIDESOUNDDELAYTIME, 24, STRING, GetRideSoundDelayTime()),
        GT6_COL(ID_RIDESOUNDNAME, 23, STRING, GetRideSoundName()),
        GT6_COL(ID_RIDETYPE, 3, INT, GetRideType()),
        GT6_COL(ID_SADDLE1, 4, INT, GetSaddlebyIndex(0)),
        GT6_COL(ID_SADDLE2, 5, INT, GetSaddlebyIndex(1)),
        GT6_COL(ID_SADDLE3, 6, INT, GetSaddlebyIndex(2)),
        GT6_COL(ID_SADDLE4, 7, INT, GetSaddlebyIndex(3)),
        GT6_COL(ID_SADDLE5, 8, INT, GetSaddlebyIndex(4)),
        GT6_COL(ID_SHOTDOWN, 18, INT, GetShotDown()),
        GT6_COL(ID_SPEED, 22, INT, GetSpeed()),
    };
    c.counts = {GT6_COUNT(getAttackCount, 4), GT6_COUNT(getSaddleCount, 5)};
    return c;
}

TEST(CharacterItemTables, EachTableReadsItsColumnsAndKeepsItsLimits)
{
    GT6::CheckTable(AccountLevelCase());
    GT6::CheckTable(CharAttrCase());
    GT6::CheckTable(CharAttr1Case());
    GT6::CheckTable(AttributeAddCase());
    GT6::CheckTable(EquipmentCase());
    GT6::CheckTable(EquipSuitCase());
    GT6::CheckTable(EnhanceAckCase());
    GT6::CheckTable(EnhancePowerCase());
    GT6::CheckTable(ItemCase());
    GT6::CheckTable(UsableItemCase());
    GT6::CheckTable(InitialItemCase());
    GT6::CheckTable(Card1Case());
    GT6::CheckTable(PetCase());
    GT6::CheckTable(RideCase());
}
}   // namespace
