// Item and currency rows and the packs that hold a character's rows.
// Byte-packed: a row's memory is its table row and its wire image.
// Plain values; one thread at a time.
#ifndef DBSTRUCT_ITEM_H
#define DBSTRUCT_ITEM_H

#include "ServerDefine_DB.h"

#define DBITEMDATA_FIELDS(V, K, T, B)                                        \
    V(tuint64, m_guid,       "guid",       DB_QWORD, true,  invalid_guid64)  \
    V(tuint64, m_charGuid,   "charguid",   DB_QWORD, true,  invalid_guid64)  \
    V(tint32,  m_typeId,     "typeid",     DB_DWORD, true,  -1)              \
    V(tint32,  m_count,      "stackcount", DB_DWORD, false, 0)               \
    V(tint32,  m_packType,   "packtype",   DB_DWORD, false, -1)              \
    V(tint32,  m_pos,        "pos",        DB_DWORD, false, -1)              \
    V(tint64,  m_createTime, "createtime", DB_QWORD, false, 0)               \
    V(tint64,  m_lifeTime,   "lifetime",   DB_QWORD, false, -1)              \
    B(tchar,   m_detail, DETAIL_LENGTH, "detail", DB_BIN, 128, false)

#define DBCURRENCYDATA_FIELDS(V, K, T, B)                                    \
    V(tuint64, m_charGuid, "charguid", DB_QWORD, true, invalid_guid64)       \
    V(tint32,  m_typeId,   "typeid",   DB_DWORD, true, -1)                   \
    V(tint32,  m_count,    "num",      DB_DWORD, true, 0)

#pragma pack(push, 1)

// One item, 176 bytes.
class DBItemData
{
public:
    enum { DETAIL_LENGTH = 128 };

    DB_RECORD_MEMBERS(DBITEMDATA_FIELDS)

    DBItemData() { CleanUp(); }
    void CleanUp() { DB_RECORD_CLEANUP(DBITEMDATA_FIELDS) }
    void CopyFrom(const DBItemData& rSour)
    {
        if (this == &rSour)
            return;
        DB_RECORD_COPY(DBITEMDATA_FIELDS)
    }
};

// A character's items, 40132 bytes.
class DBItemPack
{
public:
    enum
    {
        ItemBag_InitSize = 50,
        ItemBag_IncSize = 30,
        enFashion_Field_Count = 14,
        ItemBag_WeekCardSize = 10,
        ItemBag_MaxSize = 200,
    };
    enum
    {
        Card_Property_MaxCount = 3,
        Card_Property_Rate = 100,
        Card_Compose_CardCount = 2,
        Card_Compose_PassiveSkillIdPro = 50,
        Card_CombatField_Size = 4,
    };
    enum { ITEM_TOTAL_COUNT = ItemBag_MaxSize + enFashion_Field_Count + ItemBag_WeekCardSize + Card_CombatField_Size };

    DB_ROW_PACK_BODY(DBItemPack, DBItemData)
};

// One currency balance, 16 bytes.
class DBCurrencyData
{
public:
    DB_RECORD_MEMBERS(DBCURRENCYDATA_FIELDS)

    DBCurrencyData() { CleanUp(); }
    void CleanUp() { DB_RECORD_CLEANUP(DBCURRENCYDATA_FIELDS) }
    void CopyFrom(const DBCurrencyData& rSour)
    {
        if (this == &rSour)
            return;
        DB_RECORD_COPY(DBCURRENCYDATA_FIELDS)
    }
};

// A character's currencies, 164 bytes.
class DBCurrencyPack
{
public:
    enum { ITEM_TOTAL_COUNT = 10 };

    DB_ROW_PACK_BODY(DBCurrencyPack, DBCurrencyData)
};

#pragma pack(pop)

class DBItemDataInfo
{
public:
    static const char* TBName;
    static const dbCol DBItemDataCol[];
};

class DBCurrencyDataInfo
{
public:
    static const char* TBName;
    static const dbCol DBCurrencyDataCol[];
};

#endif
