// The stored state of one GUID generator, 13 bytes, byte-packed (table
// "t_guid"). It has no CleanUp; it starts zeroed. Plain value,
// one thread at a time.
#ifndef DBSTRUCT_GUID_H
#define DBSTRUCT_GUID_H

#include "ServerDefine_DB.h"

#define DBGUIDDATA_FIELDS(V, K, T, B)                            \
    V(tint32,  m_ServerId, "serverid", DB_DWORD, true, 0)        \
    V(tint32,  m_Type,     "type",     DB_DWORD, true, 0)        \
    V(tuint8,  m_Carry,    "carry",    DB_CHAR,  true, 0)        \
    V(tuint32, m_Serial,   "serial",   DB_DWORD, true, 0)

#pragma pack(push, 1)

struct DBGuidData
{
    DB_RECORD_MEMBERS(DBGUIDDATA_FIELDS)

    DBGuidData() { memset(static_cast<void*>(this), 0, sizeof(*this)); }
    void CopyFrom(const DBGuidData& rSour) { DB_RECORD_COPY(DBGUIDDATA_FIELDS) }
};

#pragma pack(pop)

class DBGuidInfo
{
public:
    static const char* TBName;
    static const dbCol DBGuidCol[];
};

#endif
