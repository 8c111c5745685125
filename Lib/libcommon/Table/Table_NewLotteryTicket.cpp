#include "Table_NewLotteryTicket.h"

DBC_DEFINE_TABLE_LOAD(NewLotteryTicket, "Lib/libcommon/Table/Table_NewLotteryTicket")
DBC_DEFINE_TABLE_FUNCS(NewLotteryTicket, "Lib/libcommon/Table/Table_NewLotteryTicket")
