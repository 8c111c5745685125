#include "DBStruct_DBTarget.h"

const char* DBTargetInfo::TBName = "t_db_target";
const dbCol DBTargetInfo::DBTargetCol[] = {DB_RECORD_COLUMNS(DBTARGET_FIELDS)};
