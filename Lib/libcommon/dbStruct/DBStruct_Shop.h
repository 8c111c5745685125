// Shop rows and a character's shop pack. Byte-packed; plain values owned by
// their holder, one thread at a time. Pack invariant: see DB_ROW_PACK_BODY.
#ifndef DBSTRUCT_SHOP_H
#define DBSTRUCT_SHOP_H

#include "ServerDefine_DB.h"

#define DBSHOPDATA_FIELDS(V, K, T, B)                                        \
    V(tuint64, m_charGuid, "charguid", DB_QWORD, true,  invalid_guid64)      \
    V(tint32,  m_tId,      "tid",      DB_DWORD, true,  -1)                  \
    V(tint32,  m_num,      "num",      DB_DWORD, false, 0)                   \
    V(tint16,  m_discount, "discount", DB_WORD,  false, 0)

#pragma pack(push, 1)

// One shop entry, 18 bytes.
class DBShopData
{
public:
    DB_RECORD_MEMBERS(DBSHOPDATA_FIELDS)

    DBShopData() { CleanUp(); }
    void CleanUp() { DB_RECORD_CLEANUP(DBSHOPDATA_FIELDS) }
    void CopyFrom(const DBShopData& rSour)
    {
        if (this == &rSour)
            return;
        DB_RECORD_COPY(DBSHOPDATA_FIELDS)
    }
};

// A character's shop entries, 4612 bytes.
class DBShopPack
{
public:
    enum { ITEM_TOTAL_COUNT = 256 };

    DB_ROW_PACK_BODY(DBShopPack, DBShopData)
};

#pragma pack(pop)

class DBShopDataInfo
{
public:
    static const char* TBName;
    static const dbCol DBDataCol[];
};

#endif
