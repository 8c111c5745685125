// Scrap-card records: a character's card (12296 bytes, table
// "t_player_scrapcard") and the card state of no character (131200 bytes, no
// table). Members add up without padding; all blobs are copied whole.
// Plain values; one thread at a time.
#ifndef DBSTRUCT_SCRAPCARD_H
#define DBSTRUCT_SCRAPCARD_H

#include "ServerDefine_DB.h"

#define DBPLAYERSCRAPCARD_FIELDS(V, K, T, B)                                              \
    V(tint64, charGuid, "charguid", DB_QWORD, true, invalid_guid64)                       \
    B(tchar,  szCurPeriodData,   MAX_CURPERIOD_DATA,   "curperiod",   DB_BIN, 1024,  false) \
    B(tchar,  szAwardLog,        MAX_AWARD_LOG,        "awardlog",    DB_BIN, 1024,  false) \
    B(tchar,  szOtherPeriodData, MAX_OTHERPERIOD_DATA, "otherperiod", DB_BIN, 10240, false)

#define DBSCRAPCARD_FIELDS(V, K, T, B)                                            \
    B(tchar, m_szRuntimeData, MAX_RUNTIME_SIZE, "", DB_BIN, 128, false)           \
    B(tchar, m_szLogData,     MAX_LOGDATA_SIZE, "", DB_BIN, 131072, false)

#pragma pack(push, 1)

struct DBPlayerScrapCard
{
    enum
    {
        MAX_CURPERIOD_DATA = 1024,
        MAX_AWARD_LOG = 1024,
        MAX_OTHERPERIOD_DATA = 10240,
    };

    DB_RECORD_MEMBERS(DBPLAYERSCRAPCARD_FIELDS)

    DBPlayerScrapCard() { CleanUp(); }
    ~DBPlayerScrapCard() {}
    void CleanUp() { DB_RECORD_CLEANUP(DBPLAYERSCRAPCARD_FIELDS) }
    void CopyFrom(const DBPlayerScrapCard& rCard)
    {
        if (this == &rCard)
            return;
        const DBPlayerScrapCard& rSour = rCard;
        DB_RECORD_COPY(DBPLAYERSCRAPCARD_FIELDS)
    }
    // A new character's card is the cleared card; the owner sets charGuid.
    void InitAsCreateNewChar() { CleanUp(); }
};

struct DBScrapCard
{
    enum
    {
        MAX_RUNTIME_SIZE = 128,
        MAX_LOGDATA_SIZE = 131072,
    };

    DB_RECORD_MEMBERS(DBSCRAPCARD_FIELDS)

    DBScrapCard() { CleanUp(); }
    ~DBScrapCard() {}
    void CleanUp() { DB_RECORD_CLEANUP(DBSCRAPCARD_FIELDS) }
    void CopyFrom(const DBScrapCard& rData)
    {
        if (this == &rData)
            return;
        const DBScrapCard& rSour = rData;
        DB_RECORD_COPY(DBSCRAPCARD_FIELDS)
    }
};

#pragma pack(pop)

class DBPlayerScrapCardInfo
{
public:
    static const char* TBName;
    static const dbCol DBDataCol[];
};

#endif
