// Monster records: one indexed 2048-byte record (2050 bytes, table
// "t_monster_record") and the 13 slots of a set (26650 bytes). Byte-packed;
// plain values, one thread at a time. Both start zeroed.
#ifndef DBSTRUCT_MONSTERRECORD_H
#define DBSTRUCT_MONSTERRECORD_H

#include "ServerDefine_DB.h"

#define DBMONSTERRD_FIELDS(V, K, T, B)                                           \
    V(tint16, m_Index, "mstindex", DB_WORD, true, -1)                            \
    B(tchar,  m_Record, MAX_MONSTERRECORD_Row, "mstrecord", DB_BIN, 2048, false)

#pragma pack(push, 1)

class DBMonsterRd
{
public:
    enum
    {
        MAX_MONSTERRECORD_Col = 13,
        MAX_MONSTERRECORD_Row = 2048,
    };

    DB_RECORD_MEMBERS(DBMONSTERRD_FIELDS)

    DBMonsterRd() { memset(static_cast<void*>(this), 0, sizeof(*this)); }
    void CleanUp() { DB_RECORD_CLEANUP(DBMONSTERRD_FIELDS) }
    void CopyFrom(const DBMonsterRd& rSour)
    {
        if (this == &rSour)
            return;
        DB_RECORD_COPY(DBMONSTERRD_FIELDS)
    }
};

class DBMstRecords
{
public:
    DBMonsterRd m_Records[DBMonsterRd::MAX_MONSTERRECORD_Col];

    DBMstRecords() {}
    void CleanUp()
    {
        for (int i = 0; i < DBMonsterRd::MAX_MONSTERRECORD_Col; ++i)
            m_Records[i].CleanUp();
    }
    void CopyFrom(const DBMstRecords& rSour)
    {
        for (int i = 0; i < DBMonsterRd::MAX_MONSTERRECORD_Col; ++i)
            m_Records[i].CopyFrom(rSour.m_Records[i]);
    }
};

#pragma pack(pop)

class DBMonsterRecordInfo
{
public:
    static const char* TBName;
    static const dbCol DBDataCol[];
};

#endif
