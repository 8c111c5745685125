// A row of system data, 12 bytes, byte-packed (table "t_sysdata"); starts
// zeroed. Plain value, one thread at a time.
#ifndef DBSTRUCT_SYSDATA_H
#define DBSTRUCT_SYSDATA_H

#include "ServerDefine_DB.h"

#define DBSYSDATA_FIELDS(V, K, T, B)                                        \
    V(tint32, m_tId,           "dataindex",     DB_DWORD, true,  -1)        \
    V(tint64, m_taskBeginTime, "taskbegintime", DB_QWORD, false, 0)

#pragma pack(push, 1)

class DBSysData
{
public:
    DB_RECORD_MEMBERS(DBSYSDATA_FIELDS)

    DBSysData() { memset(static_cast<void*>(this), 0, sizeof(*this)); }
    void CleanUp() { DB_RECORD_CLEANUP(DBSYSDATA_FIELDS) }
    void CopyFrom(const DBSysData& rSour) { DB_RECORD_COPY(DBSYSDATA_FIELDS) }
};

#pragma pack(pop)

class DBSysDataInfo
{
public:
    static const char* TBName;
    static const dbCol DBDataCol[];
};

#endif
