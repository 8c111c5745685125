#include "DBStruct_Item.h"

const char* DBItemDataInfo::TBName = "t_item";
const dbCol DBItemDataInfo::DBItemDataCol[] = {DB_RECORD_COLUMNS(DBITEMDATA_FIELDS)};

const char* DBCurrencyDataInfo::TBName = "t_currency";
const dbCol DBCurrencyDataInfo::DBCurrencyDataCol[] = {DB_RECORD_COLUMNS(DBCURRENCYDATA_FIELDS)};
