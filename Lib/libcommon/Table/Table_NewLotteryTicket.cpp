#include "Table_NewLotteryTicket.h"

DBC_DEFINE_TABLE(NewLotteryTicket, "Lib/libcommon/Table/Table_NewLotteryTicket")
