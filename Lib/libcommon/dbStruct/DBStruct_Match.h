// A character's match record, 332 bytes, byte-packed; a plain value owned by
// the full character record, one thread at a time.
#ifndef DBSTRUCT_MATCH_H
#define DBSTRUCT_MATCH_H

#include "ServerDefine_DB.h"

#define DBMATCHDATA_FIELDS(V, K, T, B)                                            \
    V(tuint64, m_guid,    "guid",    DB_QWORD, true,  invalid_guid64)             \
    V(tint32,  m_ownrank, "ownrank", DB_DWORD, false, -1)                         \
    B(tchar,   m_detail,     ITEM_INFO_LENGTH,   "detail",      DB_BIN, 64,  false) \
    B(tchar,   m_matchCount, MATCH_COUNT_LENGTH, "matchcounts", DB_BIN, 256, false)

#pragma pack(push, 1)

class DBMatchData
{
public:
    enum
    {
        ITEM_INFO_LENGTH = 64,
        MATCH_COUNT_LENGTH = 256,
        ITEM_MAX = 8,
    };

    DB_RECORD_MEMBERS(DBMATCHDATA_FIELDS)

    DBMatchData() { CleanUp(); }
    void InitAsCreateNewChar() { CleanUp(); }
    void CleanUp() { DB_RECORD_CLEANUP(DBMATCHDATA_FIELDS) }
    void CopyFrom(const DBMatchData& rSour)
    {
        if (this == &rSour)
            return;
        DB_RECORD_COPY(DBMATCHDATA_FIELDS)
    }
};

#pragma pack(pop)

class DBMatchDataInfo
{
public:
    static const char* TBName;
    static const dbCol DBDataCol[];
};

#endif
