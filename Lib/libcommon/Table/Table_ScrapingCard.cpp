#include "Table_ScrapingCard.h"

DBC_DEFINE_TABLE_LOAD(ScrapingCard, "Lib/libcommon/Table/Table_ScrapingCard")
DBC_DEFINE_TABLE_FUNCS(ScrapingCard, "Lib/libcommon/Table/Table_ScrapingCard")
