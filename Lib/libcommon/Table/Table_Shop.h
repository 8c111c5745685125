#pragma once
// Table_Shop: the goods of the shops.
// One record per data row of its table file, hashed in 9999 buckets (any ID), at most 1000 records.
// Loaded on the main thread before any worker runs; TableReload::ReloadShopTable may load it
// again, releasing every earlier record, and must not run while another thread reads it.

#include "DBCTableModule.h"

#define DBC_TABLE_Shop(TABLE, COL, ELEM)                         \
    TABLE(Shop, HashMgrType, 9999, 1000, 27)                     \
    COL(21, ID_BATCH, INT, Batch)                                \
    COL(26, ID_CLOSETIME, STRING, CloseTime)                     \
    COL(8, ID_CURRENCY, INT, Currency)                           \
    COL(3, ID_DESID, INT, DesID)                                 \
    COL(11, ID_DISCOUNT, INT, Discount)                          \
    COL(12, ID_DISCOUNTBEGIN, INT, DiscountBegin)                \
    COL(13, ID_DISCOUNTEND, INT, DiscountEnd)                    \
    COL(24, ID_DISCOUNTID, INT, DiscountId)                      \
    COL(9, ID_EXPENDITEM, INT, ExpendItem)                       \
    COL(4, ID_ICONPATH, STRING, IconPath)                        \
    COL(0, ID_ID, INT, Id)                                       \
    COL(6, ID_ITEM, INT, Item)                                   \
    COL(7, ID_ITEMNUM, INT, ItemNum)                             \
    COL(5, ID_LIST, INT, List)                                   \
    COL(2, ID_NAME, INT, Name)                                   \
    COL(25, ID_OPENTIME, STRING, OpenTime)                       \
    COL(10, ID_PRICE, INT, Price)                                \
    COL(23, ID_QVMPID, INT, QVmpID)                              \
    COL(18, ID_REALSHOP, INT, RealShop)                          \
    COL(20, ID_RECHARGEID, STRING, RechargeID)                   \
    COL(19, ID_RECHARGETXT, INT, RechargeTxT)                    \
    COL(22, ID_RECHARGEBAGID, INT, RechargebagID)                \
    COL(16, ID_SEX, INT, Sex)                                    \
    COL(14, ID_STOCKCOUNT, INT, StockCount)                      \
    COL(15, ID_STOCKCYCLE, INT, StockCycle)                      \
    COL(17, ID_TYPE, INT, Type)

DBC_DECLARE_TABLE(Shop)
