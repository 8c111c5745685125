#include "DBStruct_Shop.h"

const char* DBShopDataInfo::TBName = "t_shopinfo";
const dbCol DBShopDataInfo::DBDataCol[] = {DB_RECORD_COLUMNS(DBSHOPDATA_FIELDS)};
