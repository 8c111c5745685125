#include "DBStruct_GlobalData.h"

const char* DBGlobalDataInfo::TBName = "t_globaldata";
const dbCol DBGlobalDataInfo::DBDataCol[] = {DB_RECORD_COLUMNS(DBGLOBALDATAPAK_FIELDS)};

const std::string DBGlobalDataKeys::key_scrapcard = "scrapcard";
