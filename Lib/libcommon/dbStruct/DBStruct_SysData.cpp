#include "DBStruct_SysData.h"

const char* DBSysDataInfo::TBName = "t_sysdata";
const dbCol DBSysDataInfo::DBDataCol[] = {DB_RECORD_COLUMNS(DBSYSDATA_FIELDS)};
