#include "DBStruct_MatchScore.h"

const char* DBMatchScoreDataInfo::TBName = "t_matchscore";
const dbCol DBMatchScoreDataInfo::DBDataCol[] = {DB_RECORD_COLUMNS(DBMATCHSCORE_FIELDS)};

void DBMatchScore::SerializeFromData(tuint64 charGuid, tuint64 matchguid, std::string accname,
                                     std::string name, const std::vector<tint32>& scorevec)
{
    m_guid = charGuid;
    const size_t nMax = SCORE_NUM_MAX;
    size_t n = scorevec.size() < nMax ? scorevec.size() : nMax;
    for (size_t i = 0; i < n; ++i)
        m_score[i] = static_cast<tuint32>(scorevec[i]);
    m_matchguid = matchguid;
    // Cut to 79 bytes so that a cleaned field keeps its terminating zero.
    memcpy(m_accname, accname.data(), accname.size() < sizeof(m_accname) - 1 ? accname.size() : sizeof(m_accname) - 1);
    memcpy(m_name, name.data(), name.size() < sizeof(m_name) - 1 ? name.size() : sizeof(m_name) - 1);
}
