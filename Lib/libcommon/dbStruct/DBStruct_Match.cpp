#include "DBStruct_Match.h"

const char* DBMatchDataInfo::TBName = "t_matchdata";
const dbCol DBMatchDataInfo::DBDataCol[] = {DB_RECORD_COLUMNS(DBMATCHDATA_FIELDS)};
