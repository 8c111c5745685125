#include "DBStruct_Guid.h"

const char* DBGuidInfo::TBName = "t_guid";
const dbCol DBGuidInfo::DBGuidCol[] = {DB_RECORD_COLUMNS(DBGUIDDATA_FIELDS)};
