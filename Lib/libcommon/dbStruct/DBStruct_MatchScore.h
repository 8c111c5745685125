// One row of match scores, 240 bytes, byte-packed; plain value,
// one thread at a time.
// The two names are copied whole (raw 80 bytes), as the table stores them.
#ifndef DBSTRUCT_MATCHSCORE_H
#define DBSTRUCT_MATCHSCORE_H

#include <string>
#include <vector>

#include "ServerDefine_DB.h"

#define DBMATCHSCORE_FIELDS(V, K, T, B)                                          \
    V(tuint64, m_guid,      "guid",      DB_QWORD, true,  invalid_guid64)        \
    V(tuint64, m_matchguid, "matchguid", DB_QWORD, false, invalid_guid64)        \
    B(tchar,   m_name,    80,            "charname",   DB_STR, 80, false)        \
    B(tchar,   m_accname, 80,            "accname",    DB_STR, 80, false)        \
    B(tuint32, m_score,   SCORE_NUM_MAX, "matchscore", DB_BIN, 64, false)

#pragma pack(push, 1)

class DBMatchScore
{
public:
    enum { SCORE_NUM_MAX = 16 };

    DB_RECORD_MEMBERS(DBMATCHSCORE_FIELDS)

    // Starts zeroed.
    DBMatchScore() { memset(static_cast<void*>(this), 0, sizeof(*this)); }
    void InitAsCreateNewChar() { CleanUp(); }
    void CleanUp() { DB_RECORD_CLEANUP(DBMATCHSCORE_FIELDS) }
    void CopyFrom(const DBMatchScore& rSour)
    {
        if (this == &rSour)
            return;
        DB_RECORD_COPY(DBMATCHSCORE_FIELDS)
    }
    // Writes the GUIDs, the first 16 scores and the names (each cut to 79
    // bytes, no terminator written); does not clean first.
    void SerializeFromData(tuint64 charGuid, tuint64 matchguid, std::string accname, std::string name,
                           const std::vector<tint32>& scorevec);
};

#pragma pack(pop)

class DBMatchScoreDataInfo
{
public:
    static const char* TBName;
    static const dbCol DBDataCol[];
};

#endif
