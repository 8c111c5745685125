// Global data: a value of 196608 bytes under a key of at most 31 characters
// (196640 bytes, table "t_globaldata"). The key is copied whole, as raw bytes.
// Plain value; one thread at a time. The key constants are read-only.
#ifndef DBSTRUCT_GLOBALDATA_H
#define DBSTRUCT_GLOBALDATA_H

#include <string>

#include "ServerDefine_DB.h"

#define DBGLOBALDATAPAK_FIELDS(V, K, T, B)                                       \
    B(tchar, szKey,  MAX_GLOBALKEY_SIZE,  "globalkey", DB_STR, 32,     false)    \
    B(tchar, szData, MAX_GLOBALDATA_SIZE, "data",      DB_BIN, 196608, false)

#pragma pack(push, 1)

struct DBGlobalDataPak
{
    enum
    {
        MAX_GLOBALKEY_SIZE = 32,
        MAX_GLOBALDATA_SIZE = 196608,
    };

    DB_RECORD_MEMBERS(DBGLOBALDATAPAK_FIELDS)

    DBGlobalDataPak() { CleanUp(); }
    ~DBGlobalDataPak() {}
    void CleanUp() { DB_RECORD_CLEANUP(DBGLOBALDATAPAK_FIELDS) }
    void CopyFrom(const DBGlobalDataPak& pak)
    {
        if (this == &pak)
            return;
        const DBGlobalDataPak& rSour = pak;
        DB_RECORD_COPY(DBGLOBALDATAPAK_FIELDS)
    }
};

#pragma pack(pop)

class DBGlobalDataInfo
{
public:
    static const char* TBName;
    static const dbCol DBDataCol[];
};

class DBGlobalDataKeys
{
public:
    static const std::string key_scrapcard;
};

#endif
