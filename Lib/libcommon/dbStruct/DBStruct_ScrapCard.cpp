#include "DBStruct_ScrapCard.h"

const char* DBPlayerScrapCardInfo::TBName = "t_player_scrapcard";
const dbCol DBPlayerScrapCardInfo::DBDataCol[] = {DB_RECORD_COLUMNS(DBPLAYERSCRAPCARD_FIELDS)};
