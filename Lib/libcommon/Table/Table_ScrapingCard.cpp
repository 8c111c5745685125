#include "Table_ScrapingCard.h"

DBC_DEFINE_TABLE(ScrapingCard, "Lib/libcommon/Table/Table_ScrapingCard")
