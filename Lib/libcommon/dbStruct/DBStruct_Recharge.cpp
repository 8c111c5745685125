#include "DBStruct_Recharge.h"

const char* DBRechargeDataInfo::TBName = "t_recharge";
const dbCol DBRechargeDataInfo::DBDataCol[] = {DB_RECORD_COLUMNS(DBRECHARGEDATA_FIELDS)};
