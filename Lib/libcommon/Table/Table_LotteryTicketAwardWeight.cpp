#include "Table_LotteryTicketAwardWeight.h"

DBC_DEFINE_TABLE_LOAD(LotteryTicketAwardWeight, "Lib/libcommon/Table/Table_LotteryTicketAwardWeight")
DBC_DEFINE_TABLE_FUNCS(LotteryTicketAwardWeight, "Lib/libcommon/Table/Table_LotteryTicketAwardWeight")
