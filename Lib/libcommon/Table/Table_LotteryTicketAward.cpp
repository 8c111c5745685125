#include "Table_LotteryTicketAward.h"

DBC_DEFINE_TABLE(LotteryTicketAward, "Lib/libcommon/Table/Table_LotteryTicketAward")
