// A row pairing a GUID and an account name with a database id, 92 bytes,
// byte-packed (table "t_db_target"). Its cleared GUID is 0, not
// invalid_guid64. Starts zeroed. Plain value,
// one thread at a time.
#ifndef DBSTRUCT_DBTARGET_H
#define DBSTRUCT_DBTARGET_H

#include "ServerDefine_DB.h"

#define DBTARGET_FIELDS(V, K, T, B)                                          \
    V(tuint64,      m_guid, "guid", DB_QWORD, true, 0)                       \
    T(m_AccName, 80, "accname", DB_STR, 80, true)                            \
    V(unsigned int, m_dbId, "dbId", DB_DWORD, false, 0xFFFFFFFFu)

#pragma pack(push, 1)

struct DBTarget
{
    DB_RECORD_MEMBERS(DBTARGET_FIELDS)

    DBTarget() { memset(static_cast<void*>(this), 0, sizeof(*this)); }
    void CleanUp() { DB_RECORD_CLEANUP(DBTARGET_FIELDS) }
    void CopyFrom(const DBTarget& rSour)
    {
        if (this == &rSour)
            return;
        DB_RECORD_COPY(DBTARGET_FIELDS)
    }
};

#pragma pack(pop)

class DBTargetInfo
{
public:
    static const char* TBName;
    static const dbCol DBTargetCol[];
};

#endif
