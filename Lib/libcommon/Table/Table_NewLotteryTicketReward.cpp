#include "Table_NewLotteryTicketReward.h"

DBC_DEFINE_TABLE_LOAD(NewLotteryTicketReward, "Lib/libcommon/Table/Table_NewLotteryTicketReward")
DBC_DEFINE_TABLE_FUNCS(NewLotteryTicketReward, "Lib/libcommon/Table/Table_NewLotteryTicketReward")
