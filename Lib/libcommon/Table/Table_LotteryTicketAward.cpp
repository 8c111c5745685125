#include "Table_LotteryTicketAward.h"

DBC_DEFINE_TABLE_LOAD(LotteryTicketAward, "Lib/libcommon/Table/Table_LotteryTicketAward")
DBC_DEFINE_TABLE_FUNCS(LotteryTicketAward, "Lib/libcommon/Table/Table_LotteryTicketAward")
