#include "Table_NewLotteryTicketReward.h"

DBC_DEFINE_TABLE(NewLotteryTicketReward, "Lib/libcommon/Table/Table_NewLotteryTicketReward")
