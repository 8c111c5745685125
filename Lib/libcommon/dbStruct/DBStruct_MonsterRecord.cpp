#include "DBStruct_MonsterRecord.h"

const char* DBMonsterRecordInfo::TBName = "t_monster_record";
const dbCol DBMonsterRecordInfo::DBDataCol[] = {DB_RECORD_COLUMNS(DBMONSTERRD_FIELDS)};
