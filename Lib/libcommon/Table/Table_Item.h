#pragma once
// One record per kind of item: name and descriptions (numbers), types, flags, cool-down,
// quality, icon and model paths, price (text), cost, award, life time, value group, order.
// m_QVAward stands between m_Id and m_LifeTime, out of name order: keep it there, since
// __Load reads the columns in declaration order.
// Loaded on the main thread at start-up, read-only afterwards.

#include "DBCTableModule.h"

#define DBC_TABLE_Item(TABLE, COL, ELEM)                           \
    TABLE(Item, HashMgrType, 99999, 20000, 34)                     \
    COL(19, ID_AUTOUSE, INT, AutoUse)                              \
    COL(24, ID_BEUSEADEAD, INT, BeUseAdead)                        \
    COL(8, ID_CDID, INT, CDId)                                     \
    COL(25, ID_COST, INT, Cost)                                    \
    COL(30, ID_DAILYBOXITEMQUAN, INT, DailyBoxItemQuan)            \
    COL(29, ID_DAILYBOXITEMTYPE, INT, DailyBoxItemType)            \
    COL(2, ID_DESID, INT, DesID)                                   \
    COL(5, ID_DROPTYPE, INT, DropType)                             \
    COL(9, ID_DROPABLE, INT, Dropable)                             \
    COL(21, ID_GETITEMID, INT, GetItemId)                          \
    COL(11, ID_HOTKEY, INT, Hotkey)                                \
    COL(13, ID_ICONPATH, STRING, IconPath)                         \
    COL(0, ID_ID, INT, Id)                                         \
    COL(27, ID_QVAWARD, INT, QVAward)                              \
    COL(28, ID_LIFETIME, INT, LifeTime)                            \
    COL(10, ID_LOSTABLE, INT, Lostable)                            \
    COL(17, ID_MAX, INT, Max)                                      \
    COL(14, ID_MODELPATH, STRING, ModelPath)                       \
    COL(6, ID_NAME, INT, Name)                                     \
    COL(33, ID_ORDER, INT, Order)                                  \
    COL(12, ID_QUALITY, INT, Quality)                              \
    COL(16, ID_SCORE, INT, Score)                                  \
    COL(23, ID_SIMPLEDES, INT, SimpleDes)                          \
    COL(18, ID_SKILLID, INT, SkillID)                              \
    COL(22, ID_SOLDPRICE, STRING, SoldPrice)                       \
    COL(20, ID_SOLDABLE, INT, Soldable)                            \
    COL(4, ID_SUBTYPE, INT, SubType)                               \
    COL(3, ID_TYPE, INT, Type)                                     \
    COL(26, ID_USEALONE, INT, UseAlone)                            \
    COL(7, ID_USEABLE, INT, Useable)                               \
    COL(32, ID_VALUECOUNT, INT, ValueCount)                        \
    COL(31, ID_VALUEGROUP, INT, ValueGroup)                        \
    COL(15, ID_WEIGHT, INT, Weight)

DBC_DECLARE_TABLE(Item)
