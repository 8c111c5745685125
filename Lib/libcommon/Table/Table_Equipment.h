#pragma once
// One record per piece of equipment: level, suit, position, models, attributes and element
// values, wear, skills (texts), colours, wing display, enhancement, attribute and diamond
// pairs. Loaded on the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_Equipment(TABLE, COL, ELEM)                                \
    TABLE(Equipment, HashMgrType, 50000, 50000, 78)                          \
    COL(35, ID_ALLATTR, INT, AllAttr)                                        \
    COL(36, ID_ALLATTRDEF, INT, AllAttrDef)                                  \
    COL(16, ID_ATK, INT, Atk)                                                \
    ELEM(67, ID_ATTRIB1, INT, Attrib, 0)                                     \
    ELEM(69, ID_ATTRIB2, INT, Attrib, 1)                                     \
    ELEM(71, ID_ATTRIB3, INT, Attrib, 2)                                     \
    ELEM(73, ID_ATTRIB4, INT, Attrib, 3)                                     \
    ELEM(75, ID_ATTRIB5, INT, Attrib, 4)                                     \
    COL(8, ID_BINDBONENAME, STRING, BindBoneName)                            \
    ELEM(51, ID_COLORCOUNT1, INT, ColorCount, 0)                             \
    ELEM(53, ID_COLORCOUNT2, INT, ColorCount, 1)                             \
    ELEM(55, ID_COLORCOUNT3, INT, ColorCount, 2)                             \
    ELEM(50, ID_COLORID1, INT, ColorID, 0)                                   \
    ELEM(52, ID_COLORID2, INT, ColorID, 1)                                   \
    ELEM(54, ID_COLORID3, INT, ColorID, 2)                                   \
    COL(41, ID_CONVERT, INT, Convert)                                        \
    COL(21, ID_CRITMULT, INT, CritMult)                                      \
    COL(19, ID_CRITICAL, INT, Critical)                                      \
    COL(37, ID_DEALLATTRDEF, INT, DeAllAttrDef)                              \
    COL(18, ID_DEDEFENSE, INT, DeDefense)                                    \
    COL(28, ID_DEFLAMEDEF, INT, DeFlameDef)                                  \
    COL(25, ID_DEICEDEF, INT, DeIceDef)                                      \
    COL(34, ID_DEPOISONDEF, INT, DePoisonDef)                                \
    COL(31, ID_DEFTHUNDERDEF, INT, DefThunderDef)                            \
    ELEM(60, ID_DEFAULTCOLOR1, STRING, DefaultColor, 0)                      \
    ELEM(61, ID_DEFAULTCOLOR2, STRING, DefaultColor, 1)                      \
    ELEM(62, ID_DEFAULTCOLOR3, STRING, DefaultColor, 2)                      \
    COL(17, ID_DEFENSE, INT, Defense)                                        \
    ELEM(68, ID_DIAMOND1, INT, Diamond, 0)                                   \
    ELEM(70, ID_DIAMOND2, INT, Diamond, 1)                                   \
    ELEM(72, ID_DIAMOND3, INT, Diamond, 2)                                   \
    ELEM(74, ID_DIAMOND4, INT, Diamond, 3)                                   \
    ELEM(76, ID_DIAMOND5, INT, Diamond, 4)                                   \
    COL(65, ID_ENERGY, INT, Energy)                                          \
    COL(66, ID_ENHANCELV, INT, EnhanceLv)                                    \
    COL(2, ID_EQUIPLEVEL, INT, EquipLevel)                                   \
    COL(77, ID_EQUIPSUIT, INT, EquipSuit)                                    \
    COL(63, ID_EQUIPMENTACCLEVEL, INT, EquipmentAccLevel)                    \
    COL(64, ID_EQUIPMENTNEEDITEM, INT, EquipmentNeedItem)                    \
    COL(26, ID_FLAME, INT, Flame)                                            \
    COL(27, ID_FLAMEDEF, INT, FlameDef)                                      \
    COL(23, ID_ICE, INT, Ice)                                                \
    COL(24, ID_ICEDEF, INT, IceDef)                                          \
    COL(0, ID_ID, INT, Id)                                                   \
    COL(22, ID_LUCKY, INT, Lucky)                                            \
    COL(15, ID_MAXATK, INT, MaxAtk)                                          \
    COL(12, ID_MAXHP, INT, MaxHp)                                            \
    COL(38, ID_MAXWEAR, INT, MaxWear)                                        \
    COL(14, ID_MINATK, INT, MinAtk)                                          \
    COL(6, ID_MODELNAME, STRING, ModelName)                                  \
    COL(7, ID_MODELNAMENV, STRING, ModelNameNv)                              \
    COL(20, ID_MOVESPEED, INT, MoveSpeed)                                    \
    COL(49, ID_PETID, INT, PetID)                                            \
    COL(32, ID_POISON, INT, Poison)                                          \
    COL(33, ID_POISONDEF, INT, PoisonDef)                                    \
    COL(4, ID_POSITION, STRING, Position)                                    \
    COL(13, ID_POWER, INT, Power)                                            \
    COL(39, ID_REPAIRNEED, INT, RepairNeed)                                  \
    COL(40, ID_REPAIRWARE, INT, RepairWare)                                  \
    COL(48, ID_SCORE, INT, Score)                                            \
    COL(11, ID_SEX, INT, Sex)                                                \
    ELEM(42, ID_SKILL0, STRING, Skill, 0)                                    \
    ELEM(43, ID_SKILL1, STRING, Skill, 1)                                    \
    ELEM(44, ID_SKILL2, STRING, Skill, 2)                                    \
    ELEM(45, ID_SKILL3, STRING, Skill, 3)                                    \
    ELEM(46, ID_SKILL4, STRING, Skill, 4)                                    \
    COL(47, ID_SPECIALEFFECTID, STRING, SpecialEffectID)                     \
    COL(3, ID_SUITID, INT, SuitId)                                           \
    COL(29, ID_THUNDER, INT, Thunder)                                        \
    COL(30, ID_THUNDERDEF, INT, ThunderDef)                                  \
    COL(5, ID_WEAPONTYPE, INT, WeaponType)                                   \
    COL(59, ID_WINGCHANGEDISPLAYLEVEL, INT, WingChangeDisplayLevel)          \
    COL(10, ID_WINGHIGHLEVELEFFECT, STRING, WingHighLevelEffect)             \
    COL(58, ID_WINGINITIALDISPLAYLEVEL, INT, WingInitialDisplayLevel)        \
    COL(9, ID_WINGLEVELUPEFFECT, STRING, WingLevelUpEffect)                  \
    COL(57, ID_WINGMODELHIGH, STRING, WingModelHigh)                         \
    COL(56, ID_WINGMODELLOW, STRING, WingModelLow)

DBC_DECLARE_TABLE(Equipment)
